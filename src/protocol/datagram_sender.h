#pragma once
// The one way anything is sent to a camera over UDP: broadcast to port 13364, the MAC at the
// start of the datagram selecting the camera.

#include "base/bytes.h"

namespace vistrel {

class DatagramSender {
public:
    virtual ~DatagramSender() = default;
    // Broadcasts the datagram. Errors are swallowed: no message, no retry, no result.
    virtual void SendDatagram(Bytes datagram) = 0;
};

} // namespace vistrel
