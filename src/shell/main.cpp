// vistrel-finder: finds Vistrel cameras on the local network.

#include "shell/headless_listing.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kExitUsage = 64;

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vistrel-finder"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Finds Vistrel network cameras on the local network."));
    parser.addHelpOption();
    const QCommandLineOption listOption(QStringLiteral("list"),
                                        QStringLiteral("Search once and print the cameras found."));
    const QCommandLineOption jsonOption(QStringLiteral("json"),
                                        QStringLiteral("Print the list as a JSON array."));
    const QCommandLineOption waitOption(QStringLiteral("wait"),
                                        QStringLiteral("Seconds to collect replies (default 3)."),
                                        QStringLiteral("SECONDS"), QStringLiteral("3"));
    parser.addOptions({listOption, jsonOption, waitOption});
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    bool validWait = false;
    const double waitSeconds = parser.value(waitOption).toDouble(&validWait);
    if (!validWait || !std::isfinite(waitSeconds) || waitSeconds < 0 || waitSeconds > 3600) {
        err << "vistrel-finder: --wait takes a number of seconds from 0 to 3600\n";
        return kExitUsage;
    }

    vistrel::ListingOptions options;
    options.json = parser.isSet(jsonOption);
    options.waitMilliseconds = static_cast<int>(std::lround(waitSeconds * 1000));
    // The window arrives later; until then every start lists the cameras.
    return vistrel::runHeadlessListing(options, out, err);
}
