#pragma once
// The finder's UDP socket on port 13364: bound on every local address with address sharing (so
// that other programs on this host that listen for cameras keep working), broadcast on, the
// arrival interface of every datagram reported (IP_PKTINFO), and a receive buffer as large as the
// system allows, so that a burst of replies waits in the kernel while the receiving thread is
// busy. Broadcasts leave by the default route or out of a chosen interface.

#include "net/routed_sender.h"

#include <string>

namespace vistrel::net {

class AdminSocket : public DatagramPort {
public:
    // What the receive buffer is raised to when the system lets it; room for well over 10,000
    // replies.
    static constexpr int kWantedReceiveBufferBytes = 16 << 20;

    AdminSocket() = default;
    ~AdminSocket() override;
    AdminSocket(const AdminSocket&) = delete;
    AdminSocket& operator=(const AdminSocket&) = delete;

    // False when the port cannot be bound; errorText() then says why.
    bool open();
    bool isOpen() const { return descriptor_ >= 0; }
    int descriptor() const { return descriptor_; }
    const std::string& errorText() const { return errorText_; }
    // The kernel's receive buffer in bytes, as it reports it; 0 when closed.
    int receiveBufferBytes() const;

    bool broadcast(Bytes datagram, const SendPath& path) override;

private:
    void raiseReceiveBuffer();

    int descriptor_ = -1;
    std::string errorText_;
};

} // namespace vistrel::net
