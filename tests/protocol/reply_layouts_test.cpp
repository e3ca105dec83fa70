#include "protocol/reply_layouts.h"
#include "support/datagram_fixtures.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

using test::discoveryReply;

TEST(DiscoveryReplyLayout, ReadsEveryFieldAtItsOffset) {
    test::DiscoveryReplyFields fields;
    fields.vendorCode = 24;
    fields.modelNumber = 21;
    fields.setupFlagA = 3;
    fields.setupFlagB = 1;
    fields.nameTableSelector = 2;
    const DiscoveryReply reply = decodeDiscoveryReply(discoveryReply(fields));
    EXPECT_EQ(reply.mac, fields.mac);
    EXPECT_EQ(reply.name, "Garden");
    EXPECT_EQ(reply.ip, fields.ip);
    EXPECT_EQ(reply.vendorCode, 24);
    EXPECT_EQ(reply.deviceClass, 5);
    EXPECT_EQ(reply.modelNumber, 21);
    EXPECT_EQ(reply.setupFlagA, 3);
    EXPECT_EQ(reply.setupFlagB, 1);
    EXPECT_EQ(reply.nameTableSelector, 2);
}

TEST(DiscoveryReplyLayout, NameWithoutTerminatorKeepsAllThirtyTwoBytes) {
    auto datagram = discoveryReply();
    std::fill(datagram.begin() + 10, datagram.begin() + 42, 'N');
    datagram[42] = 'X'; // first byte of the address, right after the name field
    EXPECT_EQ(decodeDiscoveryReply(datagram).name, std::string(32, 'N'));
}

TEST(DiscoveryReplyLayout, ShortDatagramsReadAsZerosWhereTheyEnd) {
    const auto full = discoveryReply();
    for (const std::size_t length : {0u, 8u, 20u, 45u, 68u, 69u, 71u, 75u}) {
        SCOPED_TRACE(length);
        // A separate allocation of exactly this length, so that a read past it is caught.
        const std::vector<std::uint8_t> cut(full.begin(), full.begin() + length);
        const DiscoveryReply reply = decodeDiscoveryReply(cut);
        EXPECT_EQ(reply.deviceClass, length > 68 ? 5 : 0);
        EXPECT_EQ(reply.setupFlagB, length > 71 ? 2 : 0);
        EXPECT_EQ(reply.nameTableSelector, 0);
        EXPECT_EQ(reply.name, std::string("Garden").substr(0, length > 10 ? length - 10 : 0));
    }
}

TEST(StatusReplyLayout, StatusByteIsZeroWhenMissing) {
    const MacAddress mac{};
    EXPECT_EQ(decodeStatusByte(test::reply(mac, 0x26, {0x01})), 0x01);
    EXPECT_EQ(decodeStatusByte(test::reply(mac, 0x30, {0x02, 0x77})), 0x02);
    EXPECT_EQ(decodeStatusByte(test::reply(mac, 0x28)), 0x00);
}

std::vector<std::uint8_t> surveyEntry(std::string_view ssid, std::uint8_t channel,
                                      std::uint8_t security, std::uint8_t signal) {
    std::vector<std::uint8_t> entry(55, 0);
    std::copy(ssid.begin(), ssid.end(), entry.begin());
    entry[51] = channel;
    entry[52] = 0;
    entry[53] = security;
    entry[54] = signal;
    return entry;
}

TEST(SiteSurveyLayout, DecodesWholeEntriesAndIgnoresATrailingPart) {
    std::vector<std::uint8_t> payload = surveyEntry("Home", 6, 4, 80);
    const auto second = surveyEntry(std::string(33, 'S'), 11, 0, 20); // SSID fills its field
    payload.insert(payload.end(), second.begin(), second.end());
    payload.insert(payload.end(), 30, 0xEE); // part of a third entry

    const auto entries = decodeSiteSurveyReply(test::reply(MacAddress{}, 0x0A, payload));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].ssid, "Home");
    EXPECT_EQ(entries[0].channel, 6);
    EXPECT_EQ(entries[0].security, 4);
    EXPECT_EQ(entries[0].signal, 80);
    EXPECT_EQ(entries[1].ssid, std::string(33, 'S'));
    EXPECT_EQ(entries[1].channel, 11);
    EXPECT_TRUE(decodeSiteSurveyReply(test::reply(MacAddress{}, 0x0A)).empty());
}

TEST(WirelessRecordLayout, CopiesThreeHundredAndOneBytesZeroFilled) {
    const auto record =
        decodeWirelessRecordReply(test::reply(MacAddress{1, 2, 3, 4, 5, 6}, 0x09, {0x42}));
    EXPECT_EQ(record[0], 1);
    EXPECT_EQ(record[10], 0x42);
    EXPECT_EQ(record[300], 0);
}

TEST(SettingsReplyLayout, XmlVariantIsRecognisedByTheMarkAtEightyFour) {
    std::vector<std::uint8_t> fixedLayout(398, 0);
    EXPECT_FALSE(isXmlSettingsReply(fixedLayout));
    // A fixed-layout reply whose DNS server is x.x.172.237 carries the mark at the same place
    // and is taken for the XML variant, as cameras expect.
    fixedLayout[84] = 172;
    fixedLayout[85] = 237;
    EXPECT_TRUE(isXmlSettingsReply(fixedLayout));
    EXPECT_FALSE(isXmlSettingsReply(
        std::vector<std::uint8_t>(fixedLayout.begin(), fixedLayout.begin() + 85)));
}

} // namespace
} // namespace vistrel
