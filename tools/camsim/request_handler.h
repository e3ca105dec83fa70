#pragma once
// The cameras' side of the admin protocol: checks the framing of each received datagram,
// hands it to the camera its MAC addresses (discovery to every camera), and collects the
// verdict and the replies for the log and the socket.

#include "base/byte_layout.h"
#include "camsim/camera_state.h"
#include "camsim/event_log.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vistrel::camsim {

struct OutgoingReply {
    std::vector<std::uint8_t> datagram;
    LogEntry entry; // direction "out"; the sender fills in the peer
};

struct RequestOutcome {
    bool logged = true;          // replies (byte 6 non-zero), the cameras' own among them, are not
    LogEntry entry;              // direction "in"; the receiver fills in the peer
    bool worthReporting = false; // malformed, unknown or refused: also told on standard error
    std::vector<OutgoingReply> replies;
    std::vector<std::size_t> changedCameras; // indexes of cameras whose settings changed
};

class RequestHandler {
public:
    explicit RequestHandler(std::vector<CameraState>& cameras) : cameras_(cameras) {}

    RequestOutcome handle(Bytes datagram);

private:
    void dispatch(Bytes datagram, std::uint16_t command, RequestOutcome& outcome);
    void answerDiscovery(Bytes datagram, RequestOutcome& outcome);
    CameraState* cameraWithMac(const MacAddress& mac, std::size_t& index);

    std::vector<CameraState>& cameras_;
};

} // namespace vistrel::camsim
