#pragma once
// A datagram sender that keeps what it was asked to send, for tests of the request side.

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

} // namespace vistrel::test
