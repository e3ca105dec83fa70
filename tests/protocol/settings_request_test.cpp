#include "base/byte_layout.h"
#include "protocol/compressed_document.h"
#include "protocol/settings_request.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace vistrel {
namespace {

const MacAddress kCamera{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};

void putAddress(ShortSettingsRecord& record, std::size_t offset, Ipv4Address address) {
    std::copy(address.begin(), address.end(), record.begin() + offset);
}

// A camera in XML mode with a fixed address, WPA2 and a password left by the validation.
struct WorkingSet : ::testing::Test {
    ShortSettingsRecord shortRecord{};
    TDeviceItem camera;
    WlanInfo wlan;
    SettingsPanelTexts panel;

    WorkingSet() {
        const auto& layout = kShortRecordLayout;
        shortRecord[layout.dhcpFlag] = 0;
        putAddress(shortRecord, layout.ip, {192, 168, 2, 3});
        putAddress(shortRecord, layout.netmask, {255, 255, 255, 0});
        putAddress(shortRecord, layout.gateway, {192, 168, 2, 1});
        putAddress(shortRecord, layout.dns, {192, 168, 2, 1});
        writeText(shortRecord, layout.password, kRecordPasswordSize, "2580");
        camera.macText = "00:1a:2b:3c:4d:5e";
        camera.userName = "admin";
        camera.xmlMode = true;
        wlan.enable = "1";
        wlan.channel = "6";
        wlan.auth = "4";
        wlan.encryption = "3";
        wlan.wepkeytype = "0";
        wlan.wepkeysize = "1";
        panel = {"a<b>c", "Home \"Net\"", "", "pa'ss&word", "8080"};
    }
};

const std::string kExpectedDocument = "<adminBCB>\n"
                                      "<protocolVersion>1</protocolVersion>\n"
                                      "<DHCP>0</DHCP>\n"
                                      "<ip>192.168.2.3</ip>\n"
                                      "<netmask>255.255.255.0</netmask>\n"
                                      "<gateway>192.168.2.1</gateway>\n"
                                      "<dns1>192.168.2.1</dns1>\n"
                                      "<webPort>8080</webPort>\n"
                                      "<mac>00:1a:2b:3c:4d:5e</mac>\n"
                                      "<cameraName>a&lt;b&gt;c</cameraName>\n"
                                      "<userName>admin</userName>\n"
                                      "<userPassword>2580</userPassword>\n"
                                      "<wireless>\n"
                                      "<enable>1</enable>\n"
                                      "<mode>1</mode>\n"
                                      "<ssid>Home &quot;Net&quot;</ssid>\n"
                                      "<channel>6</channel>\n"
                                      "<auth>4</auth>\n"
                                      "<encryption>3</encryption>\n"
                                      "<wpakey>pa&apos;ss&amp;word</wpakey>\n"
                                      "<wepkey1></wepkey1>\n"
                                      "<wepkeytype>0</wepkeytype>\n"
                                      "<wepkeysize>1</wepkeysize>\n"
                                      "</wireless>\n"
                                      "</adminBCB>\n";

TEST(XmlEscaping, ReplacesTheFiveMarkupCharacters) {
    EXPECT_EQ(escapeXmlText("a<b>c"), "a&lt;b&gt;c");
    EXPECT_EQ(escapeXmlText("&'\""), "&amp;&apos;&quot;");
    EXPECT_EQ(escapeXmlText("\xE9t\xE9 plain"), "\xE9t\xE9 plain");
    EXPECT_EQ(escapeXmlText(""), "");
}

TEST_F(WorkingSet, DatagramCarriesTheDocumentBehindItsHeaderAndLengths) {
    const auto datagram = buildXmlSettingsDatagram(shortRecord, camera, wlan, panel);
    ASSERT_TRUE(datagram);
    const std::vector<std::uint8_t> header(datagram->begin(), datagram->begin() + 10);
    EXPECT_EQ(header, (std::vector<std::uint8_t>{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x00, 0x22,
                                                 0xFF, 0xDD}));
    const std::uint32_t compressedLength = readLittleEndian32(*datagram, 10);
    EXPECT_EQ(datagram->size(), 18 + compressedLength);
    EXPECT_EQ(readLittleEndian32(*datagram, 14), kExpectedDocument.size());
    EXPECT_EQ((*datagram)[18], 0xAC);
    EXPECT_EQ((*datagram)[19], 0xED);
    const Bytes stream = Bytes(*datagram).subspan(18);
    EXPECT_EQ(inflateDocument(stream, 4096), kExpectedDocument);
}

TEST_F(WorkingSet, BuildingStoresEscapedWirelessTextsAndClearsThePassword) {
    ASSERT_TRUE(buildXmlSettingsDatagram(shortRecord, camera, wlan, panel));
    EXPECT_EQ(wlan.ssid, "Home &quot;Net&quot;");
    EXPECT_EQ(wlan.wpakey, "pa&apos;ss&amp;word");
    EXPECT_EQ(wlan.wepkey1, "");
    const auto password =
        Bytes(shortRecord).subspan(kShortRecordLayout.password, kRecordPasswordSize);
    EXPECT_TRUE(std::all_of(password.begin(), password.end(), [](auto b) { return b == 0; }));

    // The next document has no password unless the validation puts one back.
    const auto next = buildXmlSettingsDatagram(shortRecord, camera, wlan, panel);
    ASSERT_TRUE(next);
    const auto document = inflateDocument(Bytes(*next).subspan(18), 4096);
    EXPECT_NE(document->find("<userPassword></userPassword>\n"), std::string::npos);
}

TEST_F(WorkingSet, DhcpDocumentStillCarriesTheAddressesAndFullWirelessGroup) {
    shortRecord[kShortRecordLayout.dhcpFlag] = 1;
    wlan.enable = "0";
    const std::string document = composeSettingsDocument(shortRecord, camera, wlan, "cam", "80");
    EXPECT_NE(document.find("<DHCP>1</DHCP>\n<ip>192.168.2.3</ip>\n"), std::string::npos);
    EXPECT_NE(document.find("<enable>0</enable>\n<mode>1</mode>\n"), std::string::npos);
    EXPECT_NE(document.find("<webPort>80</webPort>"), std::string::npos);
}

TEST_F(WorkingSet, UserNameIsEscapedToo) {
    camera.userName = "R&D <ops>";
    const std::string document = composeSettingsDocument(shortRecord, camera, wlan, "cam", "80");
    EXPECT_NE(document.find("<userName>R&amp;D &lt;ops&gt;</userName>\n"), std::string::npos);
}

TEST_F(WorkingSet, FreshRecordsGiveZeroAddresses) {
    const ShortSettingsRecord fresh{};
    const std::string document = composeSettingsDocument(fresh, camera, wlan, "cam", "80");
    EXPECT_NE(document.find("<DHCP>0</DHCP>\n<ip>0.0.0.0</ip>\n<netmask>0.0.0.0</netmask>"),
              std::string::npos);
}

TEST_F(WorkingSet, LargestDocumentsTravelWhole) {
    // Every panel field at its longest, made of characters that escaping expands six-fold,
    // and a long user name from the camera: far beyond a kilobyte.
    panel = {std::string(63, '"'), std::string(32, '\''), std::string(26, '&'),
             std::string(64, '<'), "65535"};
    camera.userName = std::string(900, 'u');
    writeText(shortRecord, kShortRecordLayout.password, kRecordPasswordSize, std::string(64, 'p'));

    const auto datagram = buildXmlSettingsDatagram(shortRecord, camera, wlan, panel);
    ASSERT_TRUE(datagram);
    const auto document = inflateDocument(Bytes(*datagram).subspan(18), 4096);
    ASSERT_TRUE(document);
    EXPECT_GT(document->size(), 1024u);
    EXPECT_EQ(readLittleEndian32(*datagram, 14), document->size());

    // An XML parser reads back exactly what was typed.
    pugi::xml_document parsed;
    ASSERT_TRUE(parsed.load_string(document->c_str()));
    const pugi::xml_node root = parsed.child("adminBCB");
    EXPECT_EQ(std::string(root.child_value("cameraName")), panel.cameraName);
    EXPECT_EQ(std::string(root.child_value("userName")), camera.userName);
    EXPECT_EQ(std::string(root.child_value("userPassword")), std::string(64, 'p'));
    const pugi::xml_node wireless = root.child("wireless");
    EXPECT_EQ(std::string(wireless.child_value("ssid")), panel.ssid);
    EXPECT_EQ(std::string(wireless.child_value("wepkey1")), panel.wepKey);
    EXPECT_EQ(std::string(wireless.child_value("wpakey")), panel.wpaKey);
}

TEST_F(WorkingSet, NothingToSendWithoutAValidCameraMac) {
    camera.macText = "";
    EXPECT_FALSE(buildXmlSettingsDatagram(shortRecord, camera, wlan, panel));
}

TEST(FixedSettingsRecords, ShortRecordGetsOnlyItsHeader) {
    ShortSettingsRecord record{};
    record[100] = 0x42;
    frameShortSettingsRecord(record, kCamera);
    const std::vector<std::uint8_t> header(record.begin(), record.begin() + 10);
    EXPECT_EQ(header, (std::vector<std::uint8_t>{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x00, 0x03,
                                                 0xFF, 0xFC}));
    EXPECT_EQ(record[100], 0x42);
    EXPECT_EQ(record.size(), 624u);
}

TEST(FixedSettingsRecords, LongRecordCarriesTheDigestTextAt656) {
    LongSettingsRecord record{};
    std::fill(record.begin() + 656, record.end(), 0x55); // left over from an earlier request
    ASSERT_TRUE(frameLongSettingsRecord(record, kCamera, "2580"));
    const std::vector<std::uint8_t> header(record.begin(), record.begin() + 10);
    EXPECT_EQ(header, (std::vector<std::uint8_t>{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x00, 0x03,
                                                 0xFF, 0xFC}));
    EXPECT_EQ(readText(record, 656, 64), "88D85D5449AD51038EF2A725727DD2B1");
    EXPECT_TRUE(std::all_of(record.begin() + 688, record.end(), [](auto b) { return b == 0; }));
    EXPECT_EQ(record.size(), 720u);
}

TEST(FixedSettingsRecords, LongRecordRefusesAPasswordTooLongForTheDigest) {
    LongSettingsRecord record{};
    EXPECT_FALSE(frameLongSettingsRecord(record, kCamera, std::string(65, 'x')));
    EXPECT_TRUE(std::all_of(record.begin(), record.end(), [](auto b) { return b == 0; }));
}

TEST(FixedSettingsRecords, ModelCodeChoosesTheLayout) {
    for (const int code : {1, 18}) {
        EXPECT_TRUE(usesShortSettingsLayout(static_cast<std::uint8_t>(code)));
    }
    for (const int code : {0, 19, 22, 58}) {
        EXPECT_FALSE(usesShortSettingsLayout(static_cast<std::uint8_t>(code)));
    }
}

} // namespace
} // namespace vistrel
