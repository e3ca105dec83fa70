#include "base/byte_layout.h"
#include "config/warning_keys.h"
#include "localization/language_keys.h"
#include "setup/wireless_request.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace vistrel {
namespace {

const MacAddress kMac{0x02, 0x56, 0x49, 0x00, 0x00, 0x01};
constexpr const char* kDigest = "0123456789ABCDEF0123456789ABCDEF";

class WirelessRequestTest : public ::testing::Test {
protected:
    WirelessRequestTest() { templates.setCameraMac(kMac); }

    WirelessRequest build(const std::string& encryption, const std::string& key,
                          bool extended = true, const std::string& ssid = "Home",
                          const std::string& channel = "6") {
        return buildWirelessRequest({ssid, key, encryption, channel}, extended, kDigest,
                                    templates.WirelessSetHeader);
    }

    RequestTemplates templates;
};

bool allZero(const WirelessRecord& record, std::size_t offset, std::size_t size) {
    return std::all_of(record.begin() + static_cast<std::ptrdiff_t>(offset),
                       record.begin() + static_cast<std::ptrdiff_t>(offset + size),
                       [](std::uint8_t byte) { return byte == 0; });
}

TEST_F(WirelessRequestTest, AnOpenNetworkNeedsNoKey) {
    const WirelessRequest request = build("Disabled", "");
    ASSERT_TRUE(request.ready());
    const WirelessRecord& record = request.record;
    EXPECT_TRUE(std::equal(templates.WirelessSetHeader.begin(),
                           templates.WirelessSetHeader.begin() + kHeaderSize, record.begin()));
    EXPECT_EQ(record[6], 0x00);
    EXPECT_EQ(record[7], 0x23);
    EXPECT_EQ(record[8], 0xFF);
    EXPECT_EQ(record[9], 0xDC);
    EXPECT_EQ(readText(record, kWirelessSsid, kWirelessSsidSize), "Home");
    EXPECT_EQ(record[kWirelessChannel], 6);
    EXPECT_EQ(record[kWirelessFixedTwo], 2);
    EXPECT_EQ(record[kWirelessMode], 0);
    EXPECT_EQ(record[kWirelessCipher], 0);
    EXPECT_TRUE(allZero(record, kWirelessKeyFormat, kWirelessMode - kWirelessKeyFormat));
    EXPECT_TRUE(allZero(record, kWirelessPreSharedKey, kWirelessPreSharedKeySize));
    EXPECT_EQ(readText(record, kWirelessDigestText, kDigestTextFieldSize), kDigest);
    EXPECT_TRUE(allZero(record, kWirelessDigestText + 32, 32));
}

TEST_F(WirelessRequestTest, WepKeyLengthsChooseCipherAndFormat) {
    struct Case {
        std::string key;
        std::uint8_t cipher;
        std::uint8_t format;
    };
    // Ten letters that are no hexadecimal digits pass too: only the length counts.
    const Case cases[] = {{"abcde", 1, 0},
                          {"qwertyuiop", 1, 1},
                          {"0123456789abc", 2, 0},
                          {std::string(26, 'F'), 2, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const WirelessRequest request = build("WEP", c.key);
        ASSERT_TRUE(request.ready());
        EXPECT_EQ(request.record[kWirelessMode], 1);
        EXPECT_EQ(request.record[kWirelessCipher], c.cipher);
        EXPECT_EQ(request.record[kWirelessKeyFormat], c.format);
        EXPECT_EQ(request.record[kWirelessKeyIndex], 0);
        EXPECT_EQ(readText(request.record, kWirelessWepKey, kWirelessWepKeySlotSize), c.key);
        EXPECT_TRUE(allZero(request.record, kWirelessWepKey + kWirelessWepKeySlotSize, 78));
        EXPECT_TRUE(allZero(request.record, kWirelessPreSharedKey, kWirelessPreSharedKeySize));
    }
}

TEST_F(WirelessRequestTest, KeysOfTheWrongLengthAreRefused) {
    struct Case {
        const char* encryption;
        std::size_t length;
        bool accepted;
    };
    const Case cases[] = {{"WEP", 4, false},           {"WEP", 6, false},
                          {"WEP", 27, false},          {"WPA2PSK(AES)", 7, false},
                          {"WPA2PSK(AES)", 8, true},   {"WPA2PSK(AES)", 64, true},
                          {"WPA2PSK(AES)", 65, false}, {"WPAPSK(TKIP)", 0, false},
                          {"WEP", 0, false},           {"7", 7, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.encryption) + " " + std::to_string(c.length));
        const WirelessRequest request = build(c.encryption, std::string(c.length, 'k'));
        EXPECT_EQ(request.ready(), c.accepted);
        if (!c.accepted) {
            EXPECT_EQ(request.warningKey, warning_keys::kKeyLength);
        }
    }
}

TEST_F(WirelessRequestTest, WpaKeyGoesToItsFieldWithTheModeOfTheList) {
    const std::string longest(64, 'x');
    const WirelessRequest request = build("WPA2PSK(AES)", longest);
    ASSERT_TRUE(request.ready());
    EXPECT_EQ(readText(request.record, kWirelessPreSharedKey, kWirelessPreSharedKeySize), longest);
    EXPECT_EQ(request.record[kWirelessPreSharedKey + 64], 0);
    EXPECT_TRUE(allZero(request.record, kWirelessWepKey, 4 * kWirelessWepKeySlotSize));

    // The basic list calls code 4 "WPA2PSK(AES)", the extended one "WPAPSK(AES)".
    const WirelessRequest basic = build("WPA2PSK(AES)", "password", false);
    EXPECT_EQ(basic.record[kWirelessMode], 4);
    EXPECT_EQ(basic.record[kWirelessCipher], 4);
    const WirelessRequest extended = build("WPAPSK(AES)", "password", true);
    EXPECT_EQ(extended.record[kWirelessMode], 3);
    EXPECT_EQ(extended.record[kWirelessCipher], 4);
}

TEST(SecurityBytes, ExtendedAndBasicLists) {
    struct Case {
        const char* name;
        SecurityBytes extended;
        SecurityBytes basic;
    };
    const Case cases[] = {{"WPAPSK(TKIP)", {3, 3}, {3, 3}},
                          {"WPAPSK(AES)", {3, 4}, {0, 0}},
                          {"WPA2PSK(TKIP)", {4, 3}, {3, 3}},
                          {"WPA2PSK(AES)", {4, 4}, {4, 4}},
                          {"WPANone(TKIP)", {5, 3}, {0, 0}},
                          {"WPANone(AES)", {5, 4}, {0, 0}},
                          {"1F", {0, 0}, {0, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(securityBytesOf(c.name, true), c.extended);
        EXPECT_EQ(securityBytesOf(c.name, false), c.basic);
    }
}

TEST_F(WirelessRequestTest, SsidOf32CharactersKeepsItsTerminatingZero) {
    const std::string ssid32(32, 'N');
    const WirelessRequest request = build("Disabled", "", true, ssid32);
    ASSERT_TRUE(request.ready());
    EXPECT_EQ(readText(request.record, kWirelessSsid, 32), ssid32);
    EXPECT_EQ(request.record[kWirelessSsid + 32], 0);

    // A 33-byte name from an unterminated survey entry is cut to 32 characters.
    const WirelessRequest longer = build("Disabled", "", true, ssid32 + "X");
    EXPECT_EQ(readText(longer.record, kWirelessSsid, kWirelessSsidSize), ssid32);
}

TEST_F(WirelessRequestTest, NoSsidOrNoRowOfItIsRefused) {
    EXPECT_EQ(build("Disabled", "", true, "").warningKey, language_keys::kSelectAWirelessNetwork);
    const WirelessRequest noRow = buildWirelessRequest({"Home", "password", std::nullopt, ""}, true,
                                                       kDigest, templates.WirelessSetHeader);
    EXPECT_EQ(noRow.warningKey, language_keys::kSelectAWirelessNetwork);
}

TEST(ChannelByte, TheDecimalTextIsReadAsHexadecimal) {
    const std::pair<const char*, int> cases[] = {{"1", 1}, {"9", 9},  {"10", 0x10},  {"14", 0x14},
                                                 {"", 0},  {"6x", 6}, {"255", 0x55}, {"x1", 0}};
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(channelByteOf(text), expected);
    }
}

TEST(WpsStart, SeventyFourBytesWithTheDigestText) {
    RequestTemplates templates;
    templates.setCameraMac(kMac);
    const auto request = wpsStartRequest(templates, kDigest);
    ASSERT_EQ(request.size(), 74U);
    EXPECT_TRUE(std::equal(kMac.begin(), kMac.end(), request.begin()));
    EXPECT_EQ(request[6], 0x00);
    EXPECT_EQ(request[7], 0x29);
    EXPECT_EQ(request[8], 0xFF);
    EXPECT_EQ(request[9], 0xD6);
    EXPECT_EQ(readText(request, 10, 64), kDigest);
    EXPECT_TRUE(std::all_of(request.begin() + 42, request.end(), [](auto b) { return b == 0; }));
}

} // namespace
} // namespace vistrel
