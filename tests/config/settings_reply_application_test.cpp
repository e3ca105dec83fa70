#include "config/settings_reply_application.h"
#include "config/wireless_tab.h"
#include "config_fixtures.h"
#include "protocol/password_digest.h"
#include "protocol/reply_dispatcher.h"
#include "support/settings_reply_fixtures.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

using test::kSelectedMac;

// Settings replies reach the configuration only through the reply decoder, as in the finder.
class ApplyingHandler : public ReplyHandler {
public:
    explicit ApplyingHandler(CameraConfiguration& config) : config_(config) {}
    void onSettingsReply(Bytes datagram) override { applySettingsReply(config_, datagram); }

private:
    CameraConfiguration& config_;
};

struct SettingsReply : ::testing::Test {
    CameraConfiguration config;

    void receive(const std::vector<std::uint8_t>& datagram) {
        ApplyingHandler handler(config);
        decodeReply(datagram, config.camera.macText, handler);
    }
    void receiveDocument(std::string_view outer, std::string_view wireless) {
        receive(test::xmlSettingsReply(kSelectedMac, test::settingsDocument(outer, wireless)));
    }
};

struct XmlReply : SettingsReply {
    XmlReply() { test::selectCamera(config, 22, false); }
};

TEST_F(XmlReply, FillsTheCameraRecord) {
    receiveDocument("<DHCP>0</DHCP><ip>192.168.2.3</ip><netmask>255.255.255.0</netmask>"
                    "<gateway>192.168.2.1</gateway><dns1>8.8.4.4</dns1><webPort>80</webPort>"
                    "<mac>00:1a:2b:3c:4d:5e</mac><cameraName>Porch</cameraName>"
                    "<userName>admin</userName><userPassword>pa&lt;ss</userPassword>",
                    "");
    const TDeviceItem& camera = config.camera;
    EXPECT_TRUE(camera.xmlMode);
    EXPECT_EQ(camera.dhcpFlag, 0);
    EXPECT_EQ(camera.ipText, "192.168.  2.  3");
    EXPECT_EQ(camera.netmaskText, "255.255.255.  0");
    EXPECT_EQ(camera.gatewayText, "192.168.  2.  1");
    EXPECT_EQ(camera.dnsText, "  8.  8.  4.  4");
    EXPECT_EQ(camera.webPort, 80);
    EXPECT_EQ(camera.cameraName, "Porch");
    EXPECT_EQ(camera.userName, "admin");
    // Only the scrambled form of the password is kept, marked with the camera it came from.
    EXPECT_NE(config.credentials.scrambledPassword, "pa<ss");
    EXPECT_EQ(unscramblePassword(config.credentials.scrambledPassword), "pa<ss");
    EXPECT_EQ(config.credentials.scrambledPasswordSourceMac, test::kSelectedMacText);
}

TEST_F(XmlReply, EmptyAndZeroTextsFollowTheirGroupsRules) {
    config.wlan.ssid = "kept";
    receiveDocument("<DHCP>1</DHCP><cameraName/>", "<ssid>0</ssid>");
    EXPECT_EQ(config.camera.dhcpFlag, 1);
    EXPECT_EQ(config.camera.cameraName, "0"); // no text reads "0" outside the wireless group
    EXPECT_EQ(config.panel.MEMO_SETTING_SSID_EDIT.text, "");
    EXPECT_EQ(config.wlan.ssid, "kept");

    receiveDocument("", "<ssid></ssid>");
    EXPECT_EQ(config.wlan.ssid, ""); // inside it, no text is empty text
}

TEST_F(XmlReply, AddressesOfAnyShapeKeepThePaddedForm) {
    receiveDocument("<ip>10.1</ip><netmask>255.255.1024.0</netmask><gateway>a.b.c.d</gateway>", "");
    EXPECT_EQ(config.camera.ipText, " 10.  1.  0.  0");
    EXPECT_EQ(config.camera.netmaskText, "255.255.  0.  0");
    EXPECT_EQ(config.camera.gatewayText, "  0.  0.  0.  0");
}

TEST_F(XmlReply, FillsTheWirelessTabAndRecord) {
    receiveDocument("", "<enable>1</enable><mode>0</mode><ssid>Home</ssid><channel>11</channel>"
                        "<auth>4</auth><encryption>3</encryption><wpakey>" +
                            std::string(64, 'f') +
                            "</wpakey><wepkey1>0</wepkey1><wepkeytype>1</wepkeytype>"
                            "<wepkeysize>1</wepkeysize>");
    const SettingsPanel& panel = config.panel;
    const WlanInfo& wlan = config.wlan;
    EXPECT_EQ(wlan.enable, "1");
    EXPECT_EQ(wlan.mode, "1"); // whatever the mode element says
    EXPECT_EQ(panel.MEMO_SETTING_SSID_EDIT.text, "Home");
    EXPECT_EQ(panel.ComboBox_Channel.itemIndex, 11);
    EXPECT_EQ(wlan.channel, "11");
    EXPECT_EQ(panel.ComboBox_SS.itemIndex, kSecurityWpa2);
    EXPECT_TRUE(panel.MEMO_SETTING_EDIT_WPA.enabled); // SS_Change ran
    EXPECT_FALSE(panel.MEMO_SETTING_EDIT_WEP.visible);
    EXPECT_EQ(panel.ComboBox_KeyType_WPA.itemIndex, 1); // AES
    EXPECT_EQ(wlan.wpaKeyForm, "1");
    EXPECT_EQ(panel.ComboBox_KeyFormat_WPA.itemIndex, 1); // so the key check takes 64 digits
    EXPECT_EQ(panel.MEMO_SETTING_EDIT_WPA.text, std::string(64, 'f'));
    EXPECT_EQ(wlan.wepkey1, "0");
    EXPECT_EQ(panel.MEMO_SETTING_EDIT_WEP.text, "");
    EXPECT_EQ(panel.ComboBox_KeyFormat_WEP.itemIndex, 1);
    EXPECT_EQ(panel.ComboBox_KeyType_WEP.itemIndex, 1);
    EXPECT_EQ(wlan.wepkeytype, "1");
    EXPECT_EQ(wlan.wepkeysize, "1");
}

TEST_F(XmlReply, WirelessOffLeavesOnlyTheWayBackOn) {
    config.panel.setWirelessControlsEnabled(false); // as selection left it
    receiveDocument("", "<enable>0</enable><auth>2</auth>");
    EXPECT_EQ(config.wlan.enable, "0");
    EXPECT_TRUE(config.panel.RadioButton_Disable.checked);
    EXPECT_TRUE(config.panel.Label_Wireless.enabled);
    EXPECT_TRUE(config.panel.RadioButton_Enable.enabled);
    EXPECT_FALSE(config.panel.MEMO_SETTING_SSID_EDIT.enabled);
    // The security mode is taken, but its controls stay off while wireless is off.
    EXPECT_EQ(config.panel.ComboBox_SS.itemIndex, kSecurityWep);
    EXPECT_FALSE(config.panel.MEMO_SETTING_EDIT_WEP.enabled);
}

TEST_F(XmlReply, ANumericElementThatIsNoNumberAbandonsTheRest) {
    receiveDocument("<cameraName>Porch</cameraName><webPort>80a</webPort><userName>x</userName>",
                    "<ssid>Home</ssid>");
    EXPECT_EQ(config.camera.cameraName, "Porch"); // applied before it stays
    EXPECT_EQ(config.camera.userName, "");
    EXPECT_EQ(config.panel.MEMO_SETTING_SSID_EDIT.text, "");

    receiveDocument("", "<ssid>Home</ssid><auth>WPA</auth><channel>3</channel>");
    EXPECT_EQ(config.wlan.ssid, "Home");
    EXPECT_EQ(config.wlan.auth, "WPA");
    EXPECT_EQ(config.wlan.channel, "");
}

TEST_F(XmlReply, AnUnreadableDocumentStillMarksXmlModeAndEnablesTheWirelessTab) {
    config.panel.setWirelessControlsEnabled(false);
    receive(test::xmlSettingsReply(kSelectedMac, "<adminBCB></adminBCB>"));
    EXPECT_TRUE(config.camera.xmlMode);
    EXPECT_TRUE(config.panel.MEMO_SETTING_SSID_EDIT.enabled);
}

TEST_F(SettingsReply, AReplyFromAnotherCameraIsDropped) {
    test::selectCamera(config, 22, false);
    const MacAddress other{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5f};
    receive(
        test::xmlSettingsReply(other, test::settingsDocument("<cameraName>x</cameraName>", "")));
    receive(test::fixedSettingsReply(other));
    EXPECT_EQ(config.camera.cameraName, "");
    EXPECT_FALSE(config.camera.xmlMode);
    EXPECT_TRUE(config.credentials.credentialCopy.empty());
}

struct FixedReply : SettingsReply {
    FixedReply() { test::selectCamera(config, 22, true); }
};

TEST_F(FixedReply, FillsTheRecordAndLeavesXmlMode) {
    receive(test::fixedSettingsReply(kSelectedMac, {.dhcpFlag = 1}));
    const TDeviceItem& camera = config.camera;
    EXPECT_FALSE(camera.xmlMode);
    EXPECT_EQ(camera.cameraName, "Porch");
    EXPECT_EQ(camera.passwordCredential, "secret");
    EXPECT_EQ(config.credentials.credentialCopy, "secret");
    EXPECT_EQ(config.credentials.credentialSourceMac, test::kSelectedMacText);
    EXPECT_EQ(camera.netmaskText, "255.255.255.  0");
    EXPECT_EQ(camera.gatewayText, "192.168.  2.  1");
    EXPECT_EQ(camera.dnsText, "192.168.  2.254");
    EXPECT_EQ(camera.webPort, 8080);
    EXPECT_EQ(camera.dhcpFlag, 1);
    EXPECT_EQ(camera.firmwareVersion, "v1.10");
}

// Copies of every echoed field: (reply offset, record offset, length) for each form.
struct EchoedField {
    std::size_t reply;
    std::size_t record;
    std::size_t size;
};

void expectCopied(const std::vector<std::uint8_t>& reply, Bytes record,
                  std::initializer_list<EchoedField> fields) {
    for (const EchoedField& f : fields) {
        SCOPED_TRACE(f.reply);
        EXPECT_TRUE(std::equal(reply.begin() + f.reply, reply.begin() + f.reply + f.size,
                               record.begin() + f.record));
    }
}

TEST_F(FixedReply, CopiesTheShortFormIntoTheShortRecord) {
    config.camera.modelCode = 5;
    const auto reply = test::fixedSettingsReply(kSelectedMac, {.longForm = false});
    config.shortRecord[42] = 0x77; // the IP address is not the reply's
    receive(reply);
    expectCopied(reply, config.shortRecord,
                 {{10, 62, 32},   {42, 94, 32},   {74, 46, 4},   {78, 50, 4},    {82, 54, 4},
                  {86, 58, 2},    {88, 60, 2},    {90, 126, 1},  {96, 127, 5},   {101, 132, 33},
                  {134, 165, 17}, {151, 182, 17}, {168, 199, 1}, {169, 200, 1},  {170, 10, 32},
                  {202, 201, 1},  {203, 202, 1},  {204, 431, 1}, {205, 432, 48}, {253, 480, 48},
                  {301, 528, 32}, {333, 560, 64}});
    EXPECT_EQ(config.shortRecord[42], 0x77);
    EXPECT_EQ(config.camera.firmwareVersion, ""); // the short form carries none
    EXPECT_TRUE(std::all_of(config.longRecord.begin(), config.longRecord.end(),
                            [](auto b) { return b == 0; }));
}

TEST_F(FixedReply, CopiesTheLongFormIntoTheLongRecord) {
    const auto reply = test::fixedSettingsReply(kSelectedMac);
    std::fill(config.longRecord.begin() + 656, config.longRecord.end(), 0x55); // digest text
    receive(reply);
    expectCopied(reply, config.longRecord,
                 {{10, 94, 32},   {42, 126, 32},  {74, 78, 4},   {78, 82, 4},    {82, 86, 4},
                  {86, 90, 2},    {88, 92, 2},    {90, 158, 1},  {96, 159, 5},   {101, 164, 33},
                  {134, 197, 17}, {151, 214, 17}, {168, 231, 1}, {169, 232, 1},  {170, 10, 64},
                  {234, 233, 1},  {235, 234, 1},  {236, 463, 1}, {237, 464, 48}, {285, 512, 48},
                  {333, 560, 32}, {365, 592, 64}});
    EXPECT_EQ(config.longRecord[656], 0x55);
    EXPECT_EQ(config.longRecord[719], 0x55);
}

TEST_F(FixedReply, WithoutCredentialOnlyTheNameChanges) {
    receive(test::fixedSettingsReply(kSelectedMac, {.name = "Renamed", .credential = ""}));
    EXPECT_EQ(config.camera.cameraName, "Renamed");
    EXPECT_TRUE(config.camera.xmlMode);
    EXPECT_EQ(config.camera.webPort, 0);
    EXPECT_TRUE(config.credentials.credentialSourceMac.empty());
    EXPECT_TRUE(std::all_of(config.longRecord.begin(), config.longRecord.end(),
                            [](auto b) { return b == 0; }));
}

TEST_F(FixedReply, FirmwareVersionDecidesTheSecurityModes) {
    const struct {
        std::uint8_t modelCode;
        std::string_view version;
        bool extended;
    } cases[] = {
        {20, "v1.09", false}, {20, "v1.10", false}, {20, "v1.11", true},  {22, "v1.8", true},
        {22, "v1.07", false}, {27, "v1.08", true},  {28, "v1.10", true},  {30, "v1.09", false},
        {31, "v9.99", false}, {34, "v1.11", true},  {35, "v1.10", false}, {20, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.modelCode) + " " + std::string(c.version));
        config.camera.modelCode = c.modelCode;
        config.credentials.ExtendedSecurityModes = !c.extended;
        receive(test::fixedSettingsReply(kSelectedMac, {.firmwareVersion = c.version}));
        EXPECT_EQ(config.credentials.ExtendedSecurityModes, c.extended);
    }
    EXPECT_EQ(config.camera.firmwareVersion, "v0.00"); // the last case reported none
}

} // namespace
} // namespace vistrel
