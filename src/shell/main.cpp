// vistrel-finder: finds Vistrel cameras on the local network and configures them. Without a
// mode it opens the window; --list, --show, --configure and --snapshot run in a terminal
// without a display.
// --help lists every mode and option.

#include "cli/command_line_options.h"
#include "cli/command_messages.h"
#include "cli/configure_command.h"
#include "cli/exit_codes.h"
#include "cli/headless_listing.h"
#include "cli/password_prompt.h"
#include "cli/show_command.h"
#include "cli/snapshot_command.h"
#include "platform/data_paths.h"
#include "shell/main_window.h"
#include "shell/single_instance.h"
#include "ui/screenshot.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace vistrel;

int runWindow(QApplication& app, const CommandLine& line) {
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
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}

int runInTerminal(const CommandLine& line) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (const int status = checkInterfaceNames(line, err); status != kExitDone) {
        return status;
    }
    switch (line.mode) {
    case Mode::List:
        return runHeadlessListing({line.json, line.waitMilliseconds, line.interfaceNames}, out,
                                  err);
    case Mode::Show:
        return runShow(line, out, err);
    default:
        break;
    }
    ControllingTerminal terminal;
    const PasswordSources passwords{[](const char* name) { return std::getenv(name); }, terminal};
    return line.mode == Mode::Snapshot ? runSnapshot(line, passwords, out, err)
                                       : runConfigure(line, passwords, out, err);
}

} // namespace

int main(int argc, char* argv[]) {
    const ParsedCommandLine parsed =
        parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.commandLine) {
        std::fprintf(stderr, "vistrel-finder: %s\n", parsed.error.c_str());
        return kExitUsage;
    }
    const CommandLine& line = *parsed.commandLine;
    if (line.mode == Mode::Help || line.mode == Mode::Version) {
        std::fputs((line.mode == Mode::Help ? helpText() : versionText()).c_str(), stdout);
        return kExitDone;
    }
    if (needsWindow(line.mode)) {
        QApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("vistrel-finder"));
        return runWindow(app, line);
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vistrel-finder"));
    return runInTerminal(line);
}
