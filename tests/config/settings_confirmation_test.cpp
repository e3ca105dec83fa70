#include "base/byte_layout.h"
#include "config/settings_confirmation.h"
#include "config/wireless_tab.h"
#include "config_fixtures.h"
#include "protocol/compressed_document.h"
#include "protocol/password_digest.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace vistrel {
namespace {

using Bytes6 = std::vector<std::uint8_t>;

// A camera opened in the panel with a valid fixed address, name and new password.
struct Confirm : ::testing::Test {
    CameraConfiguration config;

    void fillPanel() {
        SettingsPanel& panel = config.panel;
        config.addressChoice.RadioButton_T2_IPClick();
        test::setOctets(panel, AddressGroup::Ip, "192.168.2.3");
        test::setOctets(panel, AddressGroup::Netmask, "255.255.255.0");
        test::setOctets(panel, AddressGroup::Gateway, "192.168.2.1");
        test::setOctets(panel, AddressGroup::Dns, "192.168.2.254");
        panel.MEMO_SETTING_WebPort_EDIT.text = "8080";
        panel.STATIC_SETTING_CAMERANAME_EDIT.text = "Porch & <Garden>";
        panel.STATIC_SETTING_NEWPASSWORD_EDIT.text = "n&w<pass";
        panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT.text = "n&w<pass";
        panel.enterSettingsMode();
        panel.TabSheet_Setting.activePage = kSecurityPage;
    }
    static Bytes6 header(const std::vector<std::uint8_t>& datagram) {
        return {datagram.begin(), datagram.begin() + 10};
    }
};

TEST_F(Confirm, AnXmlCameraGetsTheDocumentOfWhatPassed) {
    test::selectCamera(config, 22, true);
    config.camera.userName = "admin";
    fillPanel();
    SettingsPanel& panel = config.panel;
    checkWirelessRadio(panel, config.wlan, false);
    checkWirelessRadio(panel, config.wlan, true);
    panel.MEMO_SETTING_SSID_EDIT.text = "Home \"Net\"";
    panel.ComboBox_Channel.select(6);
    panel.ComboBox_SS.select(kSecurityWpa2);
    panel.ComboBox_KeyType_WPA.select(1);
    panel.MEMO_SETTING_EDIT_WPA.text = "pa'ss&word";

    const ConfirmResult result = Image_Settings_OKClick(config, "login", true);
    ASSERT_EQ(result.status, ConfirmStatus::Ready);
    EXPECT_EQ(header(result.datagram),
              (Bytes6{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x00, 0x22, 0xFF, 0xDD}));
    const auto document = inflateDocument(Bytes(result.datagram).subspan(18), 4096);
    ASSERT_TRUE(document);
    pugi::xml_document parsed;
    ASSERT_TRUE(parsed.load_string(document->c_str()));
    const pugi::xml_node root = parsed.child("adminBCB");
    EXPECT_STREQ(root.child_value("DHCP"), "0");
    EXPECT_STREQ(root.child_value("ip"), "192.168.2.3");
    EXPECT_STREQ(root.child_value("netmask"), "255.255.255.0");
    EXPECT_STREQ(root.child_value("gateway"), "192.168.2.1");
    EXPECT_STREQ(root.child_value("dns1"), "192.168.2.254");
    EXPECT_STREQ(root.child_value("webPort"), "8080");
    EXPECT_STREQ(root.child_value("mac"), "00:1a:2b:3c:4d:5e");
    EXPECT_STREQ(root.child_value("cameraName"), "Porch & <Garden>");
    EXPECT_STREQ(root.child_value("userName"), "admin");
    EXPECT_STREQ(root.child_value("userPassword"), "n&w<pass");
    const pugi::xml_node wireless = root.child("wireless");
    EXPECT_STREQ(wireless.child_value("enable"), "1");
    EXPECT_STREQ(wireless.child_value("ssid"), "Home \"Net\"");
    EXPECT_STREQ(wireless.child_value("channel"), "6");
    EXPECT_STREQ(wireless.child_value("auth"), "4");
    EXPECT_STREQ(wireless.child_value("encryption"), "3");
    EXPECT_STREQ(wireless.child_value("wpakey"), "pa'ss&word");
}

TEST_F(Confirm, AnXmlCameraWithoutNewPasswordGetsItsOwnBackReadably) {
    test::selectCamera(config, 22, true);
    config.credentials.scrambledPassword = scramblePassword("a<b&c");
    fillPanel();
    config.panel.emptyPasswordFields();
    config.addressChoice.RadioButton_T2_DHCPClick();
    const ConfirmResult result = Image_Settings_OKClick(config, "login", true);
    ASSERT_EQ(result.status, ConfirmStatus::Ready);
    const auto document = inflateDocument(Bytes(result.datagram).subspan(18), 4096);
    pugi::xml_document parsed;
    ASSERT_TRUE(parsed.load_string(document->c_str())); // "<" and "&" would break it
    EXPECT_STREQ(parsed.child("adminBCB").child_value("userPassword"), "a<b&c");
    EXPECT_STREQ(parsed.child("adminBCB").child_value("DHCP"), "1");
}

TEST_F(Confirm, ShortLayoutCamerasGetTheirRecordOf624Bytes) {
    test::selectCamera(config, 5, false);
    fillPanel();
    config.panel.STATIC_SETTING_CAMERANAME_EDIT.text = "Porch";
    config.shortRecord[100] = 0x42; // echoed from the camera's reply
    const ConfirmResult result = Image_Settings_OKClick(config, "login", true);
    ASSERT_EQ(result.status, ConfirmStatus::Ready);
    ASSERT_EQ(result.datagram.size(), 624u);
    EXPECT_EQ(header(result.datagram),
              (Bytes6{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x00, 0x03, 0xFF, 0xFC}));
    EXPECT_EQ(readText(result.datagram, 10, 32), "Porch");
    EXPECT_EQ(Bytes6(result.datagram.begin() + 42, result.datagram.begin() + 46),
              (Bytes6{192, 168, 2, 3}));
    EXPECT_EQ(readBigEndian16(result.datagram, 60), 8080);
    EXPECT_EQ(result.datagram[201], 0);
    EXPECT_EQ(result.datagram[100], 0x42);
    EXPECT_EQ(readText(result.datagram, 560, 64), "n&w<pass");
}

TEST_F(Confirm, LongLayoutCamerasGetTheirRecordOf720BytesWithTheLoginsDigest) {
    test::selectCamera(config, 22, false);
    fillPanel();
    const ConfirmResult result = Image_Settings_OKClick(config, "login", true);
    ASSERT_EQ(result.status, ConfirmStatus::Ready);
    ASSERT_EQ(result.datagram.size(), 720u);
    EXPECT_EQ(header(result.datagram),
              (Bytes6{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e, 0x00, 0x03, 0xFF, 0xFC}));
    EXPECT_EQ(readText(result.datagram, 10, 64), "Porch & <Garden>");
    EXPECT_EQ(Bytes6(result.datagram.begin() + 74, result.datagram.begin() + 78),
              (Bytes6{192, 168, 2, 3}));
    EXPECT_EQ(readBigEndian16(result.datagram, 92), 8080);
    EXPECT_EQ(readText(result.datagram, 592, 64), "n&w<pass");
    EXPECT_EQ(readText(result.datagram, 656, 64), passwordDigestText(test::kSelectedMac, "login"));
}

TEST_F(Confirm, AfterwardsThePanelIsBackInListModeWithoutPasswords) {
    test::selectCamera(config, 22, false);
    fillPanel();
    ASSERT_EQ(Image_Settings_OKClick(config, "login", true).status, ConfirmStatus::Ready);
    const SettingsPanel& panel = config.panel;
    EXPECT_EQ(panel.STATIC_SETTING_NEWPASSWORD_EDIT.text, "");
    EXPECT_EQ(panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT.text, "");
    EXPECT_EQ(panel.TabSheet_Setting.activePage, kLanPage);
    EXPECT_FALSE(panel.Image_Lan_Settings_OK.visible);
    EXPECT_TRUE(panel.Image_Config.visible);
}

TEST_F(Confirm, StopsAtTheFirstRefusalInSettingsMode) {
    test::selectCamera(config, 22, true);
    fillPanel();
    config.panel.MEMO_SETTING_IP1_EDIT.text = "0";
    config.panel.ComboBox_SS.select(kSecurityWep); // a wrong key too
    config.panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT.text = "differs";
    const ConfirmResult result = Image_Settings_OKClick(config, "login", true);
    EXPECT_EQ(result.status, ConfirmStatus::Refused);
    EXPECT_EQ(result.warning, Warning::key("IP_Range_Err_Message"));
    EXPECT_TRUE(result.datagram.empty());
    // The later checks did not run: the passwords are still there.
    EXPECT_EQ(config.panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT.text, "differs");
    EXPECT_TRUE(config.panel.Image_Lan_Settings_OK.visible);
    EXPECT_EQ(config.panel.TabSheet_Setting.activePage, kSecurityPage);

    config.panel.MEMO_SETTING_IP1_EDIT.text = "192";
    EXPECT_EQ(Image_Settings_OKClick(config, "login", true).warning,
              Warning::key("Key_Length_Err_Message"));
    config.panel.ComboBox_SS.select(kSecurityNone);
    EXPECT_EQ(Image_Settings_OKClick(config, "login", true).warning,
              Warning::key("Password_Doesnot_Match"));
}

// A request that cannot be built is said: nothing goes out, and the caller must not report
// success.
TEST_F(Confirm, NothingIsBuiltForACameraWithoutMac) {
    test::selectCamera(config, 22, false);
    config.camera.macText = "no mac";
    fillPanel();
    const ConfirmResult result = Image_Settings_OKClick(config, "login", true);
    EXPECT_EQ(result.status, ConfirmStatus::NotBuilt);
    EXPECT_TRUE(result.datagram.empty());
    EXPECT_EQ(result.warning, Warning::key("Settings_Not_Sent"));
}

} // namespace
} // namespace vistrel
