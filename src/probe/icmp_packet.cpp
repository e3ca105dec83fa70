#include "probe/icmp_packet.h"

namespace vistrel {

namespace {

constexpr std::uint8_t kProtocolIcmp = 1;
constexpr std::size_t kMinimumIpv4HeaderSize = 20;

std::uint16_t readBigEndian16(Bytes bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] << 8 | bytes[offset + 1]);
}

void writeBigEndian16(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value >> 8);
    bytes[offset + 1] = static_cast<std::uint8_t>(value);
}

} // namespace

std::uint16_t internetChecksum(Bytes bytes) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const std::uint32_t low = i + 1 < bytes.size() ? bytes[i + 1] : 0;
        sum += static_cast<std::uint32_t>(bytes[i]) << 8 | low;
    }
    while (sum >> 16 != 0) {
        sum = (sum & 0xffff) + (sum >> 16);
    }
    return static_cast<std::uint16_t>(~sum);
}

std::vector<std::uint8_t> buildEchoRequest(std::uint16_t identifier, std::uint16_t sequence) {
    std::vector<std::uint8_t> message(kIcmpEchoHeaderSize, 0);
    message[0] = kIcmpEchoRequest;
    writeBigEndian16(message, 4, identifier);
    writeBigEndian16(message, 6, sequence);
    writeBigEndian16(message, 2, internetChecksum(message));
    return message;
}

std::optional<EchoReplyFields> readEchoReply(Bytes message) {
    if (message.size() < kIcmpEchoHeaderSize || message[0] != kIcmpEchoReply) {
        return std::nullopt;
    }
    return EchoReplyFields{readBigEndian16(message, 4), readBigEndian16(message, 6)};
}

Bytes icmpMessageOfIpv4Packet(Bytes packet) {
    if (packet.size() < kMinimumIpv4HeaderSize || packet[0] >> 4 != 4 ||
        packet[9] != kProtocolIcmp) {
        return {};
    }
    const std::size_t headerSize = static_cast<std::size_t>(packet[0] & 0x0f) * 4;
    if (headerSize < kMinimumIpv4HeaderSize || headerSize > packet.size()) {
        return {};
    }
    return packet.subspan(headerSize);
}

} // namespace vistrel
