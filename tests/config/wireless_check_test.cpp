#include "config/wireless_check.h"
#include "config/wireless_tab.h"
#include "config_fixtures.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

struct WirelessCheck : ::testing::Test {
    CameraConfiguration config;

    WirelessCheck() { test::selectCamera(config, 22, true); }
};

TEST_F(WirelessCheck, KeyLengthFollowsSecurityModeSizeAndFormat) {
    const struct {
        int security;
        int size;   // ComboBox_KeyType_WEP
        int format; // ComboBox_KeyFormat_WEP or ComboBox_KeyFormat_WPA
        std::size_t length;
        bool passes;
    } cases[] = {
        {kSecurityWep, 0, 0, 10, true},  {kSecurityWep, 0, 0, 9, false},
        {kSecurityWep, 0, 1, 5, true},   {kSecurityWep, 0, 1, 10, false},
        {kSecurityWep, 1, 0, 26, true},  {kSecurityWep, 1, 0, 13, false},
        {kSecurityWep, 1, 1, 13, true},  {kSecurityWep, 1, 1, 12, false},
        {kSecurityWpa, 0, 0, 8, true},   {kSecurityWpa2, 0, 0, 63, true},
        {kSecurityWpa, 0, 0, 7, false},  {kSecurityWpa2, 0, 0, 64, false},
        {kSecurityWpa2, 0, 1, 64, true}, {kSecurityWpa, 0, 1, 63, false},
        {kSecurityNone, 0, 0, 0, true},  {kSecurityNone, 1, 1, 3, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.security) + "/" + std::to_string(c.size) + "/" +
                     std::to_string(c.format) + ": " + std::to_string(c.length));
        SettingsPanel& panel = config.panel;
        panel.ComboBox_SS.select(c.security);
        panel.ComboBox_KeyType_WEP.select(c.size);
        panel.ComboBox_KeyFormat_WEP.select(c.format);
        panel.ComboBox_KeyFormat_WPA.select(c.format);
        // Only the length counts, not which characters the key holds.
        panel.MEMO_SETTING_EDIT_WEP.text = std::string(c.length, '&');
        panel.MEMO_SETTING_EDIT_WPA.text = std::string(c.length, '&');
        const CheckResult result = Check_Wireless_Settings(config);
        EXPECT_EQ(result.passed(), c.passes);
        if (!c.passes) {
            EXPECT_EQ(result.warning, Warning::key("Key_Length_Err_Message"));
        }
    }
}

TEST_F(WirelessCheck, HandsTheTabsChoicesToTheWirelessRecord) {
    SettingsPanel& panel = config.panel;
    config.wlan.enable = "1";
    panel.MEMO_SETTING_SSID_EDIT.text = "Home";
    panel.ComboBox_Channel.select(0);
    panel.ComboBox_SS.select(kSecurityWpa);
    panel.ComboBox_KeyType_WPA.select(1);
    panel.MEMO_SETTING_EDIT_WPA.text = "passphrase";
    panel.MEMO_SETTING_EDIT_WEP.text = "left over";
    panel.ComboBox_KeyType_WEP.select(1);
    ASSERT_TRUE(Check_Wireless_Settings(config).passed());
    const WlanInfo& wlan = config.wlan;
    EXPECT_EQ(wlan.mode, "1");
    EXPECT_EQ(wlan.ssid, "Home");
    EXPECT_EQ(wlan.channel, "0");
    EXPECT_EQ(wlan.auth, "3");
    EXPECT_EQ(wlan.encryption, "3"); // AES
    EXPECT_EQ(wlan.wpakey, "passphrase");
    EXPECT_EQ(wlan.wepkey1, "left over"); // both keys travel, whatever the mode
    EXPECT_EQ(wlan.wepkeysize, "1");
    EXPECT_EQ(wlan.wepkeytype, "0");
    EXPECT_EQ(wlan.enable, "1"); // switching wireless on or off writes this, not the check
}

TEST_F(WirelessCheck, CodesOfEverySecurityMode) {
    const struct {
        int security;
        int cipher;
        const char* auth;
        const char* encryption;
    } cases[] = {{kSecurityNone, 1, "0", "0"},
                 {kSecurityWep, 1, "2", "1"},
                 {kSecurityWpa, 0, "3", "2"},
                 {kSecurityWpa2, 1, "4", "3"}};
    config.panel.MEMO_SETTING_EDIT_WEP.text = std::string(10, '0');
    config.panel.MEMO_SETTING_EDIT_WPA.text = std::string(8, 'k');
    for (const auto& c : cases) {
        SCOPED_TRACE(c.security);
        config.panel.ComboBox_SS.select(c.security);
        config.panel.ComboBox_KeyType_WPA.select(c.cipher);
        ASSERT_TRUE(Check_Wireless_Settings(config).passed());
        EXPECT_EQ(config.wlan.auth, c.auth);
        EXPECT_EQ(config.wlan.encryption, c.encryption);
    }
}

TEST_F(WirelessCheck, PassesWithoutWritingForFixedLayoutCamerasAndWirelessOff) {
    config.panel.ComboBox_SS.select(kSecurityWep); // a key of the wrong length
    config.panel.MEMO_SETTING_SSID_EDIT.text = "Home";

    config.camera.xmlMode = false;
    EXPECT_TRUE(Check_Wireless_Settings(config).passed());
    EXPECT_EQ(config.wlan.ssid, "");

    config.camera.xmlMode = true;
    checkWirelessRadio(config.panel, config.wlan, false);
    EXPECT_TRUE(Check_Wireless_Settings(config).passed());
    EXPECT_EQ(config.wlan.ssid, "");
    EXPECT_EQ(config.wlan.auth, "");
}

} // namespace
} // namespace vistrel
