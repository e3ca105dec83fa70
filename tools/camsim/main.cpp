// vistrel-camsim: test cameras for the finder. Answers the admin protocol on UDP port 13364
// for every camera of a scenario and serves each camera's pictures over HTTP.

#include "camsim/camera_simulator.h"
#include "camsim/camera_summary.h"
#include "camsim/event_log.h"
#include "camsim/quick_camera.h"
#include "camsim/scenario_checks.h"
#include "camsim/scenario_reader.h"
#include "netns/private_network.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <fstream>
#include <iostream>
#include <memory>

namespace {

using namespace vistrel::camsim;

constexpr int kExitUsage = 64;
constexpr int kExitPortUnavailable = 2;

struct Options {
    QCommandLineOption scenario{QStringLiteral("scenario"),
                                QStringLiteral("JSON file that describes the cameras."),
                                QStringLiteral("FILE")};
    QCommandLineOption log{QStringLiteral("log"),
                           QStringLiteral("Write one JSON line per datagram and HTTP request."),
                           QStringLiteral("FILE")};
    QCommandLineOption readyFile{
        QStringLiteral("ready-file"),
        QStringLiteral("Create this file once every camera answers, for scripts to wait on."),
        QStringLiteral("FILE")};
    QCommandLineOption lan{QStringLiteral("lan"),
                           QStringLiteral("Also run on a real network, where finders of other "
                                          "people would list these cameras.")};
    QCommandLineOption addresses{
        QStringLiteral("addresses"),
        QStringLiteral("Print each camera's MAC and IPv4 address, one camera a line, and exit; "
                       "scripts give the cameras' addresses to the network before starting.")};
};

// The scenario's cameras, then the quick camera; the quick camera alone without a scenario.
ScenarioReading camerasOf(const QCommandLineParser& parser, const Options& options) {
    ScenarioReading reading;
    if (parser.isSet(options.scenario)) {
        reading = readScenarioFile(parser.value(options.scenario));
    }
    if (reading.error.empty() &&
        (quickCameraRequested(parser) || !parser.isSet(options.scenario))) {
        ScenarioReading quick = quickCamera(parser);
        reading.error = quick.error;
        reading.cameras.insert(reading.cameras.end(), quick.cameras.begin(), quick.cameras.end());
    }
    return reading;
}

bool camerasUsable(const ScenarioReading& reading) {
    if (!reading.error.empty()) {
        std::cerr << "vistrel-camsim: " << reading.error << '\n';
        return false;
    }
    const ScenarioFindings findings = checkScenario(reading.cameras);
    for (const std::string& warning : findings.warnings) {
        std::cerr << "vistrel-camsim: warning: " << warning << '\n';
    }
    for (const std::string& error : findings.errors) {
        std::cerr << "vistrel-camsim: " << error << '\n';
    }
    return findings.errors.empty();
}

void printAddresses(const std::vector<CameraDescription>& cameras) {
    for (const CameraDescription& camera : cameras) {
        std::cout << vistrel::formatMacText(camera.mac) << ' '
                  << vistrel::formatDottedDecimal(camera.settings.ip) << '\n';
    }
}

void announceReady(const std::vector<CameraDescription>& cameras, const QString& readyFile) {
    std::cout << "vistrel-camsim: " << cameras.size() << " cameras on UDP port 13364\n";
    for (const CameraDescription& camera : cameras) {
        std::cout << "  " << cameraSummary(camera) << '\n';
    }
    std::cout << "vistrel-camsim: ready" << std::endl;
    if (!readyFile.isEmpty()) {
        QFile file(readyFile);
        if (!file.open(QIODevice::WriteOnly)) {
            std::cerr << "vistrel-camsim: cannot create " << readyFile.toStdString() << '\n';
        }
    }
}

// The event log, writing to the file of --log when given. False when the file cannot be written.
bool openLog(const QCommandLineParser& parser, const Options& options, std::ofstream& file,
             EventLog& log) {
    if (!parser.isSet(options.log)) {
        return true;
    }
    const std::string path = parser.value(options.log).toStdString();
    file.open(path, std::ios::out | std::ios::trunc);
    if (!file) {
        std::cerr << "vistrel-camsim: cannot write " << path << '\n';
        return false;
    }
    log = EventLog(file);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    // Pictures are drawn without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("vistrel-camsim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Test cameras for the Vistrel finder: answers on UDP port 13364 and over HTTP."));
    parser.addHelpOption();
    const Options options;
    parser.addOptions(
        {options.scenario, options.log, options.readyFile, options.lan, options.addresses});
    addQuickCameraOptions(parser);
    parser.process(app);
    const ScenarioReading reading = camerasOf(parser, options);
    if (!camerasUsable(reading)) {
        return kExitUsage;
    }
    if (parser.isSet(options.addresses)) { // sends nothing, so it needs no private network
        printAddresses(reading.cameras);
        return 0;
    }
    // Test cameras broadcast their replies: on a real network every finder there would list them.
    if (!parser.isSet(options.lan) && !vistrel::inPrivateNetworkNamespace()) {
        std::cerr << "vistrel-camsim: this is not a private network namespace; run it through "
                     "scripts/netns, or give --lan to answer on this network\n";
        return kExitUsage;
    }

    std::ofstream logFile;
    EventLog log;
    if (!openLog(parser, options, logFile, log)) {
        return kExitUsage;
    }
    CameraSimulator simulator(reading.cameras, log, std::cerr);
    if (!simulator.start()) {
        std::cerr << "vistrel-camsim: cannot listen on UDP port 13364: "
                  << simulator.errorString().toStdString() << '\n';
        return kExitPortUnavailable;
    }
    announceReady(reading.cameras, parser.value(options.readyFile));
    return QGuiApplication::exec();
}
