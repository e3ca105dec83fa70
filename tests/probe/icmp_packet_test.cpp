#include "probe/icmp_packet.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace vistrel {
namespace {

TEST(IcmpPacket, ChecksumFollowsRfc1071) {
    // The example of RFC 1071, section 3: the sum is 0xddf2, its complement 0x220d.
    const std::array<std::uint8_t, 8> words{0x00, 0x01, 0xf2, 0x03, 0xf4, 0xf5, 0xf6, 0xf7};
    EXPECT_EQ(internetChecksum(words), 0x220d);
    // An odd last byte is padded with zero; a message with its checksum sums to zero.
    const std::array<std::uint8_t, 3> odd{0x12, 0x34, 0x56};
    EXPECT_EQ(internetChecksum(odd), static_cast<std::uint16_t>(~(0x1234 + 0x5600)));
    const std::vector<std::uint8_t> request = buildEchoRequest(0xbeef, 0x0102);
    EXPECT_EQ(internetChecksum(request), 0);
}

TEST(IcmpPacket, EchoRequestCarriesIdentifierAndSequence) {
    const std::vector<std::uint8_t> request = buildEchoRequest(0xbeef, 0x0102);
    const std::vector<std::uint8_t> expected{8, 0, 0x38, 0x0e, 0xbe, 0xef, 0x01, 0x02};
    EXPECT_EQ(request, expected);
}

TEST(IcmpPacket, OnlyACompleteEchoReplyIsRead) {
    const std::vector<std::uint8_t> reply{0, 0, 0x00, 0x00, 0xbe, 0xef, 0x01, 0x02, 0xaa};
    const auto fields = readEchoReply(reply);
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->identifier, 0xbeef);
    EXPECT_EQ(fields->sequence, 0x0102);

    const std::vector<std::uint8_t> ownRequest = buildEchoRequest(0xbeef, 0x0102);
    EXPECT_FALSE(readEchoReply(ownRequest));
    const std::vector<std::uint8_t> unreachable{3, 1, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(readEchoReply(unreachable));
    EXPECT_FALSE(readEchoReply(std::span(reply).first(7)));
    EXPECT_FALSE(readEchoReply({}));
}

TEST(IcmpPacket, Ipv4HeaderIsSkippedByItsAnnouncedLength) {
    std::vector<std::uint8_t> packet(20, 0);
    packet[0] = 0x45; // version 4, five words
    packet[9] = 1;    // ICMP
    const std::vector<std::uint8_t> reply{0, 0, 0, 0, 0x12, 0x34, 0, 9};
    packet.insert(packet.end(), reply.begin(), reply.end());
    const Bytes message = icmpMessageOfIpv4Packet(packet);
    ASSERT_EQ(message.size(), reply.size());
    EXPECT_EQ(readEchoReply(message)->sequence, 9);

    std::vector<std::uint8_t> withOptions = packet;
    withOptions[0] = 0x46; // six words: the first four reply bytes are read as options
    EXPECT_EQ(icmpMessageOfIpv4Packet(withOptions).size(), reply.size() - 4);

    struct Bad {
        const char* name;
        std::vector<std::uint8_t> packet;
    };
    std::vector<Bad> bad{
        {"shorter than a header", std::vector<std::uint8_t>(packet.begin(), packet.begin() + 19)},
        {"announces more than it has", packet},
        {"announces less than a header", packet},
        {"not IPv4", packet},
        {"not ICMP", packet}};
    bad[1].packet[0] = 0x4f; // 60 bytes of header in a 28-byte packet
    bad[2].packet[0] = 0x44;
    bad[3].packet[0] = 0x65;
    bad[4].packet[9] = 6;
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.name);
        EXPECT_TRUE(icmpMessageOfIpv4Packet(b.packet).empty());
    }
}

} // namespace
} // namespace vistrel
