#include "camsim/camera_simulator.h"

namespace vistrel::camsim {

CameraSimulator::CameraSimulator(const std::vector<CameraDescription>& cameras, EventLog& log,
                                 std::ostream& errors, QObject* parent)
    : QObject(parent), cameras_(cameras.begin(), cameras.end()), log_(log), errors_(errors),
      handler_(cameras_), udp_(handler_, log, errors) {
    for (CameraState& camera : cameras_) {
        webServers_.push_back(std::make_unique<CameraHttpServer>(camera, log));
    }
    connect(&udp_, &UdpService::settingsChanged, this, &CameraSimulator::followCameraAddress);
}

bool CameraSimulator::start() {
    if (!udp_.bind()) {
        return false;
    }
    for (std::size_t i = 0; i < cameras_.size(); ++i) {
        followCameraAddress(i);
    }
    return true;
}

void CameraSimulator::followCameraAddress(std::size_t camera) {
    const CameraSettings& settings = cameras_[camera].settings();
    CameraHttpServer& server = *webServers_[camera];
    const bool wasListening = server.listening();
    const bool listening = server.followCameraAddress();
    if (listening && wasListening) {
        return;
    }
    LogEntry entry;
    entry.peer = formatDottedDecimal(settings.ip) + ":" + std::to_string(settings.webPort);
    entry.direction = "local";
    entry.command = "listen";
    entry.camera = cameras_[camera].macText();
    entry.verdict = listening ? "listening" : "no web server: " + server.errorText();
    log_.write(entry);
    if (!listening) {
        errors_ << "vistrel-camsim: " << entry.camera << " has no web server on " << entry.peer
                << ": " << server.errorText() << std::endl;
    }
}

} // namespace vistrel::camsim
