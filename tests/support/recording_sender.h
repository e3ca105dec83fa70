#pragma once
// A datagram sender that keeps what it was asked to send, for tests of the request side, and
// the command of a recorded request.

#include "protocol/datagram_sender.h"

#include <cstdint>
#include <vector>

namespace vistrel::test {

class RecordingSender : public DatagramSender {
public:
    std::vector<std::vector<std::uint8_t>> sent;
    void SendDatagram(Bytes datagram) override {
        sent.emplace_back(datagram.begin(), datagram.end());
    }
};

// The 16-bit command at bytes 6 and 7 of a request.
inline int commandOf(const std::vector<std::uint8_t>& datagram) {
    return datagram.at(6) << 8 | datagram.at(7);
}

} // namespace vistrel::test
