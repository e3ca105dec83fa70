#include "protocol/settings_reply.h"
#include "support/settings_reply_fixtures.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

const MacAddress kCamera{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};

using Elements = std::vector<SettingsElement>;

std::optional<XmlSettingsReply> decodeDocument(std::string_view document) {
    return decodeXmlSettingsReply(test::xmlSettingsReply(kCamera, document));
}

TEST(XmlSettingsReply, GivesTheOuterElementsInOrderAndTheLastChildAsWirelessGroup) {
    const auto reply = decodeDocument("<adminBCB>\n<ip>192.168.2.3</ip>\n<cameraName></cameraName>"
                                      "<!-- note --><userName>R&amp;D</userName>\n"
                                      "<userPassword/>"
                                      "<radio><ssid></ssid><channel>6</channel></radio>"
                                      "</adminBCB>\n");
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->elements, (Elements{{"ip", "192.168.2.3"},
                                         {"cameraName", "0"}, // no text reads "0" out here
                                         {"userName", "R&D"},
                                         // but a camera without a password stays without one
                                         {"userPassword", ""}}));
    // The group is found by position, not by name; inside it no text stays empty.
    EXPECT_EQ(reply->wireless, (Elements{{"ssid", ""}, {"channel", "6"}}));
}

TEST(XmlSettingsReply, KeepsEightBitTextsAsTheyCame) {
    const auto reply = decodeDocument(test::settingsDocument(
        "<cameraName>\xE9t\xE9 caf\xE9</cameraName>", "<ssid>Caf\xE9</ssid>"));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->elements, (Elements{{"cameraName", "\xE9t\xE9 caf\xE9"}}));
    EXPECT_EQ(reply->wireless, (Elements{{"ssid", "Caf\xE9"}}));
}

TEST(XmlSettingsReply, ARootWithOneChildHasOnlyTheWirelessGroup) {
    const auto reply =
        decodeDocument("<adminBCB><wireless><enable>1</enable></wireless></adminBCB>");
    ASSERT_TRUE(reply);
    EXPECT_TRUE(reply->elements.empty());
    EXPECT_EQ(reply->wireless, (Elements{{"enable", "1"}}));
}

TEST(XmlSettingsReply, ReadsTheDocumentUpToItsFirstZeroByte) {
    using namespace std::string_literals;
    const auto reply = decodeDocument("<a><ip>1.2.3.4</ip><w/></a>\0<broken"s);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->elements, (Elements{{"ip", "1.2.3.4"}}));
}

TEST(XmlSettingsReply, RefusesWhatItCannotRead) {
    const struct {
        const char* name;
        std::vector<std::uint8_t> datagram;
    } cases[] = {
        {"root without child", test::xmlSettingsReply(kCamera, "<adminBCB></adminBCB>")},
        {"not XML", test::xmlSettingsReply(kCamera, "adminBCB")},
        {"unclosed", test::xmlSettingsReply(kCamera, "<adminBCB><ip>1</ip>")},
        {"1024 bytes inflated",
         test::xmlSettingsReply(kCamera, "<a><b>1</b><w/>" + std::string(1024 - 19, ' ') + "</a>")},
        {"cut stream",
         [] {
             auto d = test::xmlSettingsReply(kCamera, test::settingsDocument("<ip>1</ip>", ""));
             d.resize(d.size() - 6);
             return d;
         }()},
        {"no wire mark", test::fixedSettingsReply(kCamera)},
        {"mark without stream", {0, 0, 0, 0, 0, 0, 1, 2, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(decodeXmlSettingsReply(c.datagram));
    }
    // 1023 bytes still fit with the terminator.
    const std::string fits = "<a><b>1</b><w/>" + std::string(1023 - 19, ' ') + "</a>";
    ASSERT_EQ(fits.size(), 1023u);
    EXPECT_TRUE(decodeDocument(fits));
}

TEST(FixedSettingsReply, ModelCodeChoosesTheForm) {
    EXPECT_EQ(fixedReplyFormOf(1), FixedReplyForm::Short);
    EXPECT_EQ(fixedReplyFormOf(18), FixedReplyForm::Short);
    EXPECT_EQ(fixedReplyFormOf(0), FixedReplyForm::Long);
    EXPECT_EQ(fixedReplyFormOf(19), FixedReplyForm::Long);
}

// The echoed bytes of the fixture hold (offset % 251 + 1), so each field shows where it
// was read from.
std::uint8_t patternAt(std::size_t offset) {
    return static_cast<std::uint8_t>(offset % 251 + 1);
}

TEST(FixedSettingsReply, ReadsEveryFieldOfBothForms) {
    for (const bool longForm : {false, true}) {
        SCOPED_TRACE(longForm ? "long" : "short");
        const auto datagram = test::fixedSettingsReply(
            kCamera, {.longForm = longForm, .name = "Porch", .dhcpFlag = 1});
        const auto form = longForm ? FixedReplyForm::Long : FixedReplyForm::Short;
        const FixedSettingsReply reply = decodeFixedSettingsReply(datagram, form);
        const std::size_t shift = longForm ? 32 : 0; // the long name is 32 bytes longer

        EXPECT_EQ(reply.mac, kCamera);
        EXPECT_EQ(reply.firstText[0], patternAt(10));
        EXPECT_EQ(reply.secondText[31], patternAt(73));
        EXPECT_EQ(reply.netmask, (Ipv4Address{255, 255, 255, 0}));
        EXPECT_EQ(reply.gateway, (Ipv4Address{192, 168, 2, 1}));
        EXPECT_EQ(reply.dns, (Ipv4Address{192, 168, 2, 254}));
        EXPECT_EQ(reply.echoedValue, (std::array<std::uint8_t, 2>{patternAt(86), patternAt(87)}));
        EXPECT_EQ(reply.webPortNumber(), 8080);
        EXPECT_EQ(reply.byteAt90, patternAt(90));
        EXPECT_EQ(reply.firmwareVersion, longForm ? "v1.10" : "");
        EXPECT_EQ(reply.fiveBytes[0], patternAt(96));
        EXPECT_EQ(reply.ssid[32], patternAt(133));
        EXPECT_EQ(reply.firstShortKey[0], patternAt(134));
        EXPECT_EQ(reply.secondShortKey[16], patternAt(167));
        EXPECT_EQ(reply.byteAt168, patternAt(168));
        EXPECT_EQ(reply.byteAt169, patternAt(169));
        EXPECT_EQ(reply.cameraNameText(), "Porch");
        EXPECT_EQ(reply.dhcpFlag, 1);
        EXPECT_EQ(reply.byteAfterDhcpFlag, patternAt(203 + shift));
        EXPECT_EQ(reply.keyFormSelector, patternAt(204 + shift));
        EXPECT_EQ(reply.firstLongKey[0], patternAt(205 + shift));
        EXPECT_EQ(reply.secondLongKey[47], patternAt(300 + shift));
        EXPECT_EQ(reply.echoedText[0], patternAt(301 + shift));
        EXPECT_EQ(reply.passwordCredentialText(), "secret");
    }
}

TEST(FixedSettingsReply, ShortFormNameTakesOnly32Bytes) {
    auto datagram = test::fixedSettingsReply(kCamera, {.longForm = false});
    std::fill_n(datagram.begin() + 170, 32, 'n'); // unterminated; byte 202 follows
    const auto reply = decodeFixedSettingsReply(datagram, FixedReplyForm::Short);
    EXPECT_EQ(reply.cameraNameText(), std::string(32, 'n'));
}

TEST(FixedSettingsReply, AShortDatagramReadsZerosWhereItEnds) {
    auto datagram = test::fixedSettingsReply(kCamera);
    datagram.resize(200); // ends inside the camera name
    const auto reply = decodeFixedSettingsReply(datagram, FixedReplyForm::Long);
    EXPECT_EQ(reply.cameraNameText(), "Porch");
    EXPECT_EQ(reply.dhcpFlag, 0);
    EXPECT_EQ(reply.passwordCredentialText(), "");
    const auto empty = decodeFixedSettingsReply({}, FixedReplyForm::Short);
    EXPECT_EQ(empty.mac, MacAddress{});
    EXPECT_EQ(empty.webPortNumber(), 0);
}

} // namespace
} // namespace vistrel
