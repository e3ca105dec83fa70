// vistrel-finder: finds Vistrel cameras on the local network.
//   vistrel-finder                          the window
//   vistrel-finder --screenshot FILE        the window, saved as PNG after --wait seconds
//   vistrel-finder --list [--json]          the cameras that answer, printed after --wait seconds

#include "shell/headless_listing.h"
#include "shell/main_window.h"
#include "shell/single_instance.h"
#include "ui/data_files.h"
#include "ui/screenshot.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <QTimer>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>

namespace {

constexpr int kExitUsage = 64;

struct Options {
    bool list = false;
    bool json = false;
    QString screenshot;
    int waitMilliseconds = 3000;
};

// The window needs a display; the listing and the help text must work without one.
bool runsWithoutWindow(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"--list", "--help", "-h", "--help-all", "-?"}) {
            if (std::strcmp(argv[i], option) == 0) {
                return true;
            }
        }
    }
    return false;
}

std::optional<Options> parseOptions(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Finds Vistrel network cameras on the local network."));
    parser.addHelpOption();
    const QCommandLineOption list(QStringLiteral("list"),
                                  QStringLiteral("Search once and print the cameras found."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("With --list: print a JSON array."));
    const QCommandLineOption wait(QStringLiteral("wait"),
                                  QStringLiteral("Seconds to collect replies (default 3)."),
                                  QStringLiteral("SECONDS"), QStringLiteral("3"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save the main window as PNG and exit."),
                                        QStringLiteral("FILE"));
    parser.addOptions({list, json, wait, screenshot});
    parser.process(app);

    bool validWait = false;
    const double waitSeconds = parser.value(wait).toDouble(&validWait);
    if (!validWait || !std::isfinite(waitSeconds) || waitSeconds < 0 || waitSeconds > 3600) {
        QTextStream(stderr) << "vistrel-finder: --wait takes a number of seconds from 0 to 3600\n";
        return std::nullopt;
    }
    Options options;
    options.list = parser.isSet(list);
    options.json = parser.isSet(json);
    options.screenshot = parser.value(screenshot);
    options.waitMilliseconds = static_cast<int>(std::lround(waitSeconds * 1000));
    return options;
}

int runListing(const Options& options) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    vistrel::ListingOptions listing;
    listing.json = options.json;
    listing.waitMilliseconds = options.waitMilliseconds;
    return vistrel::runHeadlessListing(listing, out, err);
}

int runWindow(QApplication& app, const Options& options) {
    using namespace vistrel;
    app.setWindowIcon(QIcon(dataFilePath(QStringLiteral("icons/vistrel-finder-256.png"))));
    app.setQuitOnLastWindowClosed(false); // the tray keeps the finder running while hidden

    // A screenshot is a tool run beside the user's finder; everything else is one instance.
    SingleInstance instance(TMainForm::kCaption);
    if (options.screenshot.isEmpty() && !instance.becomePrimary()) {
        if (instance.askPrimaryToShow()) {
            return 0;
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
    if (!options.screenshot.isEmpty()) {
        QTimer::singleShot(options.waitMilliseconds, &mainForm, [&] {
            const bool saved = saveWindowScreenshot(mainForm, options.screenshot);
            if (!saved) {
                QTextStream(stderr)
                    << "vistrel-finder: cannot write " << options.screenshot << '\n';
            }
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}

} // namespace

int main(int argc, char* argv[]) {
    std::unique_ptr<QCoreApplication> app;
    if (runsWithoutWindow(argc, argv)) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        app = std::make_unique<QApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("vistrel-finder"));
    const auto options = parseOptions(*app);
    if (!options) {
        return kExitUsage;
    }
    if (options->list) {
        return runListing(*options);
    }
    auto* gui = qobject_cast<QApplication*>(app.get());
    if (gui == nullptr) { // e.g. "--screenshot --list": the file name went missing
        QTextStream(stderr) << "vistrel-finder: --screenshot needs a file name\n";
        return kExitUsage;
    }
    return runWindow(*gui, *options);
}
