#include "shell/window_mode.h"

#include "cli/exit_codes.h"
#include "platform/data_paths.h"
#include "shell/main_window.h"
#include "shell/single_instance.h"
#include "ui/screenshot.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>

namespace vistrel {

int runWindowMode(QApplication& app, const CommandLine& line) {
    app.setWindowIcon(QIcon(dataFilePath(QStringLiteral("icons/vistrel-finder-256.png"))));
    app.setQuitOnLastWindowClosed(false); // the tray keeps the finder running while hidden

    // A screenshot is a tool run beside the user's finder; everything else is one instance.
    const bool screenshot = line.mode == Mode::Screenshot;
    SingleInstance instance(TMainForm::kCaption);
    if (!screenshot && !instance.becomePrimary()) {
        if (instance.askPrimaryToShow()) {
            return kExitDone;
        }
        QTextStream(stderr)
            << "vistrel-finder: another finder holds the lock but does not answer\n";
        return 1;
    }
    TMainForm mainForm;
    QObject::connect(&instance, &SingleInstance::showRequested, &mainForm,
                     &TMainForm::restoreFromTray);
    mainForm.Form_OnCreate();
    mainForm.show();
    if (screenshot) {
        const QString file = QString::fromLocal8Bit(line.screenshotFile.c_str());
        QTimer::singleShot(line.waitMilliseconds, &mainForm, [&mainForm, file] {
            const bool saved = saveWindowScreenshot(mainForm, file);
            if (!saved) {
                QTextStream(stderr) << "vistrel-finder: cannot write " << file << '\n';
            }
            QCoreApplication::exit(saved ? kExitDone : kExitCheckRefused);
        });
    }
    return app.exec();
}

} // namespace vistrel
