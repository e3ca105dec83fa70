#pragma once
// All cameras of a scenario in one process: one UDP endpoint for all of them, and a web server
// for each camera whose address belongs to this host. A web server follows its camera when a
// settings write moves it to another address or port.

#include "camsim/camera_http_server.h"
#include "camsim/camera_state.h"
#include "camsim/event_log.h"
#include "camsim/request_handler.h"
#include "camsim/udp_service.h"

#include <QObject>
#include <QString>
#include <memory>
#include <ostream>
#include <vector>

namespace vistrel::camsim {

class CameraSimulator : public QObject {
    Q_OBJECT

public:
    CameraSimulator(const std::vector<CameraDescription>& cameras, EventLog& log,
                    std::ostream& errors, QObject* parent = nullptr);

    // Binds the UDP port and starts the web servers. False when the UDP port cannot be used;
    // errorString() then says why. A camera without a web server is reported and logged.
    bool start();
    QString errorString() const { return udp_.errorString(); }

private:
    void followCameraAddress(std::size_t camera);

    std::vector<CameraState> cameras_; // never resized: the servers keep references
    EventLog& log_;
    std::ostream& errors_;
    RequestHandler handler_;
    UdpService udp_;
    std::vector<std::unique_ptr<CameraHttpServer>> webServers_;
};

} // namespace vistrel::camsim
