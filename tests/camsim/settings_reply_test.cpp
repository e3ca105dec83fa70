// Settings replies in the three variants, against layouts written out by hand.

#include "base/byte_layout.h"
#include "camera_fixtures.h"
#include "camsim/settings_reply.h"
#include "protocol/compressed_document.h"
#include "protocol/reply_layouts.h"

#include <gtest/gtest.h>

namespace vistrel::camsim {
namespace {

using Datagram = std::vector<std::uint8_t>;

void put(Datagram& datagram, std::size_t offset, const Datagram& bytes) {
    std::copy(bytes.begin(), bytes.end(), datagram.begin() + static_cast<long>(offset));
}

void putText(Datagram& datagram, std::size_t offset, std::string_view text) {
    std::copy(text.begin(), text.end(), datagram.begin() + static_cast<long>(offset));
}

TEST(FixedSettingsReply, ShortLayoutHoldsNothingButItsFields) {
    const CameraState camera(test::shortLayoutCamera());
    Datagram expected(398, 0);
    put(expected, 0, {0x02, 0x56, 0x49, 0x00, 0x00, 0x01, 0x01, 0x02, 0xFE, 0xFD});
    put(expected, 74, {255, 0, 0, 0, 127, 0, 0, 1, 127, 0, 0, 1}); // netmask, gateway, DNS
    put(expected, 88, {0x1F, 0x90});                               // web port 8080
    putText(expected, 170, "Front door");
    putText(expected, 333, "2580"); // the password as it is
    EXPECT_EQ(encodeSettingsReply(camera), expected);
}

TEST(FixedSettingsReply, LongLayoutCarriesFirmwareVersionAndPasswordDigest) {
    CameraDescription description = test::longLayoutCamera();
    description.settings.dhcp = true;
    const CameraState camera(description);
    Datagram expected(430, 0);
    put(expected, 0, {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x01, 0x02, 0xFE, 0xFD});
    put(expected, 74, {255, 0, 0, 0, 127, 0, 0, 1, 127, 0, 0, 1});
    put(expected, 88, {0x00, 0x50});
    putText(expected, 91, "v1.10");
    putText(expected, 170, "Living room");
    expected[234] = 1;                                          // DHCP
    putText(expected, 365, "88D85D5449AD51038EF2A725727DD2B1"); // digest text of "2580"
    EXPECT_EQ(encodeSettingsReply(camera), expected);
}

TEST(FixedSettingsReply, WirelessTextsAndKeyFormSelector) {
    CameraDescription description = test::shortLayoutCamera();
    description.settings.wireless = test::xmlCamera().settings.wireless;
    const Datagram reply = encodeSettingsReply(CameraState(description));
    EXPECT_EQ(readText(reply, 101, 33), "Vistrel Home");
    EXPECT_EQ(readText(reply, 205, 48), "garden-party"); // first long key text
    EXPECT_EQ(reply[204], 1);                            // the long key texts apply
}

TEST(XmlSettingsReply, CompressedDocumentAtOffset84) {
    const CameraState camera(test::xmlCamera());
    const Datagram reply = encodeSettingsReply(camera);
    ASSERT_TRUE(isXmlSettingsReply(reply));
    EXPECT_EQ(Datagram(reply.begin(), reply.begin() + 10),
              (Datagram{0x02, 0x56, 0x49, 0x00, 0x00, 0x02, 0x01, 0x02, 0xFE, 0xFD}));
    EXPECT_EQ(Datagram(reply.begin() + 10, reply.begin() + 84), Datagram(74, 0));
    const auto document = inflateDocument(Bytes(reply).subspan(84), 1023);
    ASSERT_TRUE(document);
    EXPECT_EQ(*document,
              "<adminBCB><protocolVersion>1</protocolVersion><DHCP>0</DHCP><ip>127.0.0.3</ip>"
              "<netmask>255.0.0.0</netmask><gateway>127.0.0.1</gateway><dns1>127.0.0.1</dns1>"
              "<webPort>80</webPort><mac>02:56:49:00:00:02</mac><cameraName>Garden</cameraName>"
              "<userName>admin</userName><userPassword>2580</userPassword>"
              "<firmwareVersion>v1.10</firmwareVersion><wireless><enable>1</enable>"
              "<mode>1</mode><ssid>Vistrel Home</ssid><channel>6</channel><auth>4</auth>"
              "<encryption>3</encryption><wpakey>garden-party</wpakey><wepkey1></wepkey1>"
              "<wepkeytype>0</wepkeytype><wepkeysize>0</wepkeysize></wireless></adminBCB>");
}

TEST(XmlSettingsReply, MarkupInTextsIsEscaped) {
    CameraDescription description = test::xmlCamera();
    description.settings.name = "Tom & <Jerry>";
    description.settings.password = "a<b";
    const Datagram reply = encodeSettingsReply(CameraState(description));
    const auto document = inflateDocument(Bytes(reply).subspan(84), 1023);
    ASSERT_TRUE(document);
    EXPECT_NE(document->find("<cameraName>Tom &amp; &lt;Jerry&gt;</cameraName>"),
              std::string::npos);
    EXPECT_NE(document->find("<userPassword>a&lt;b</userPassword>"), std::string::npos);
}

} // namespace
} // namespace vistrel::camsim
