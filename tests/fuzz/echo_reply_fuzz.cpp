// Feeds arbitrary packets to the echo reply reader, as a raw ICMP socket delivers them and as a
// datagram socket does, aborting when a read leaves the packet or a reply is read from too
// few bytes.

#include "probe/icmp_packet.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkReply(vistrel::Bytes message) {
    const auto reply = vistrel::readEchoReply(message);
    check(!reply || (message.size() >= vistrel::kIcmpEchoHeaderSize && message[0] == 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vistrel::Bytes packet(data, size);
    const vistrel::Bytes message = vistrel::icmpMessageOfIpv4Packet(packet);
    check(message.empty() ||
          (message.data() >= packet.data() + 20 && message.data() + message.size() == data + size));
    checkReply(message);
    checkReply(packet);
    return 0;
}
