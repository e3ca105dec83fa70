#pragma once
// ICMP echo messages (RFC 792): the request the probe sends and the reply it waits for. Every
// read is bounded by the received length; a short or foreign message is no reply.

#include "base/bytes.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vistrel {

inline constexpr std::uint8_t kIcmpEchoReply = 0;
inline constexpr std::uint8_t kIcmpEchoRequest = 8;
inline constexpr std::size_t kIcmpEchoHeaderSize = 8;

// The Internet checksum (RFC 1071): the one's complement of the one's complement sum of the
// 16-bit big-endian words, an odd last byte padded with zero.
std::uint16_t internetChecksum(Bytes bytes);

// An echo request with an empty payload and its checksum filled in.
std::vector<std::uint8_t> buildEchoRequest(std::uint16_t identifier, std::uint16_t sequence);

struct EchoReplyFields {
    std::uint16_t identifier = 0;
    std::uint16_t sequence = 0;
};

// The identifier and sequence number of an echo reply; nullopt for any other message and for
// one shorter than the echo header.
std::optional<EchoReplyFields> readEchoReply(Bytes message);

// A raw ICMP socket delivers the IPv4 header in front of the message: the ICMP message after
// it, or an empty span when the packet is too short for the header it announces, is no IPv4
// packet, or carries another protocol.
Bytes icmpMessageOfIpv4Packet(Bytes packet);

} // namespace vistrel
