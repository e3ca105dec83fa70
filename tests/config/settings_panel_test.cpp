#include "config/address_choice.h"
#include "config/settings_panel.h"
#include "config/wireless_tab.h"
#include "config_fixtures.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(SettingsPanel, FindsItsControlsByName) {
    SettingsPanel panel;
    EXPECT_EQ(panel.edit("MEMO_SETTING_IP1_EDIT"), &panel.MEMO_SETTING_IP1_EDIT);
    EXPECT_EQ(panel.edit("MEMO_SETTING_DNS4_EDIT"), &panel.MEMO_SETTING_DNS4_EDIT);
    EXPECT_EQ(panel.edit("STATIC_SETTING_CONFIRMPASSWORD_EDIT"),
              &panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT);
    EXPECT_EQ(panel.label("Dot_Gateway2"), &panel.Dot_Gateway2);
    EXPECT_EQ(panel.label("Label_Network_Key"), &panel.Label_Network_Key);
    EXPECT_EQ(panel.radio("RadioButton_Manual_IP"), &panel.RadioButton_Manual_IP);
    EXPECT_EQ(panel.comboBox("ComboBox_KeyFormat_WPA"), &panel.ComboBox_KeyFormat_WPA);
    EXPECT_EQ(panel.image("Image_Config"), &panel.Image_Config);
    // Names are exact, and each kind answers only for its own controls.
    EXPECT_EQ(panel.edit("memo_setting_ip1_edit"), nullptr);
    EXPECT_EQ(panel.edit("ComboBox_SS"), nullptr);
    EXPECT_EQ(panel.label("MEMO_SETTING_IP1_EDIT"), nullptr);
}

TEST(SettingsPanel, StartsInListModeWithDhcpWirelessOnAndNoSecurity) {
    SettingsPanel panel;
    EXPECT_TRUE(panel.RadioButton_DHCP.checked);
    EXPECT_FALSE(panel.RadioButton_Manual_IP.checked);
    EXPECT_FALSE(panel.MEMO_SETTING_IP1_EDIT.enabled); // fields follow the DHCP choice
    EXPECT_FALSE(panel.Dot_Dns3.enabled);
    EXPECT_TRUE(panel.RadioButton_Enable.checked);
    EXPECT_EQ(panel.ComboBox_SS.itemIndex, kSecurityNone);
    EXPECT_FALSE(panel.MEMO_SETTING_EDIT_WPA.enabled);
    EXPECT_TRUE(panel.MEMO_SETTING_EDIT_WEP.visible);
    EXPECT_FALSE(panel.Image_Lan_Settings_OK.visible);
    EXPECT_FALSE(panel.TabSheet_Setting.visible);
    EXPECT_EQ(panel.ComboBox_Channel.items.size(), 14u);
    EXPECT_EQ(panel.MEMO_SETTING_WebPort_EDIT.maxLength, 5);
    EXPECT_EQ(panel.MEMO_SETTING_SSID_EDIT.maxLength, 32);
}

TEST(SettingsPanel, ModesSwapTheCommandImages) {
    SettingsPanel panel;
    panel.enterSettingsMode();
    EXPECT_TRUE(panel.Image_Lan_Settings_OK.visible);
    EXPECT_TRUE(panel.Image_Lan_Settings_Cancel.visible);
    EXPECT_FALSE(panel.Image_Browser.visible);
    EXPECT_FALSE(panel.Image_Config.visible);

    panel.returnToListMode(true);
    EXPECT_FALSE(panel.Image_Lan_Settings_OK.visible);
    EXPECT_FALSE(panel.Image_Lan_Settings_Cancel.visible);
    EXPECT_TRUE(panel.Image_Browser.visible);
    EXPECT_TRUE(panel.Image_Config.visible);

    panel.enterSettingsMode();
    panel.returnToListMode(false); // the list lost its selection meanwhile
    EXPECT_FALSE(panel.Image_Browser.visible);
    EXPECT_FALSE(panel.Image_Config.visible);
}

TEST(SettingsPanel, CancelDropsTheNewPasswordsOnly) {
    SettingsPanel panel;
    panel.enterSettingsMode();
    panel.TabSheet_Setting.activePage = kSecurityPage;
    panel.STATIC_SETTING_CAMERANAME_EDIT.text = "Porch";
    panel.STATIC_SETTING_NEWPASSWORD_EDIT.text = "abcd";
    panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT.text = "abcd";
    panel.MEMO_SETTING_IP1_EDIT.text = "10";
    panel.Image_Lan_Settings_CancelClick(true);
    EXPECT_EQ(panel.STATIC_SETTING_NEWPASSWORD_EDIT.text, "");
    EXPECT_EQ(panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT.text, "");
    EXPECT_EQ(panel.STATIC_SETTING_CAMERANAME_EDIT.text, "Porch");
    EXPECT_EQ(panel.MEMO_SETTING_IP1_EDIT.text, "10");
    EXPECT_EQ(panel.TabSheet_Setting.activePage, kLanPage);
    EXPECT_FALSE(panel.Image_Lan_Settings_Cancel.visible);
    EXPECT_TRUE(panel.Image_Browser.visible);
}

TEST(SettingsPanel, OctetFieldsOfAnAddressGroup) {
    SettingsPanel panel;
    EXPECT_EQ(panel.octetFields(AddressGroup::Gateway)[3], &panel.MEMO_SETTING_GATEWAY4_EDIT);
}

// Wireless on and off, and the security mode.
struct WirelessTab : ::testing::Test {
    SettingsPanel panel;
    WlanInfo wlan;

    bool keyControlsEnabled(KeyKind kind) const {
        return kind == KeyKind::Wep
                   ? panel.ComboBox_KeyType_WEP.enabled && panel.ComboBox_KeyFormat_WEP.enabled &&
                         panel.MEMO_SETTING_EDIT_WEP.enabled
                   : panel.ComboBox_KeyType_WPA.enabled && panel.ComboBox_KeyFormat_WPA.enabled &&
                         panel.MEMO_SETTING_EDIT_WPA.enabled;
    }
};

TEST_F(WirelessTab, OffKeepsOnlyTheWayBackOn) {
    checkWirelessRadio(panel, wlan, false);
    EXPECT_EQ(wlan.enable, "0");
    EXPECT_TRUE(panel.RadioButton_Disable.checked);
    EXPECT_FALSE(panel.RadioButton_Enable.checked);
    EXPECT_FALSE(panel.MEMO_SETTING_SSID_EDIT.enabled);
    EXPECT_FALSE(panel.ComboBox_Channel.enabled);
    EXPECT_FALSE(panel.Label_SSID.enabled);
    EXPECT_TRUE(panel.Label_Wireless.enabled);
    EXPECT_TRUE(panel.Label_Enable.enabled);
    EXPECT_TRUE(panel.Label_Disable.enabled);
    EXPECT_TRUE(panel.RadioButton_Enable.enabled);
}

TEST_F(WirelessTab, OffAndOnAgainWithoutSecurityLeavesTheKeysDisabled) {
    checkWirelessRadio(panel, wlan, false);
    checkWirelessRadio(panel, wlan, true);
    EXPECT_EQ(wlan.enable, "1");
    EXPECT_TRUE(panel.MEMO_SETTING_SSID_EDIT.enabled);
    EXPECT_TRUE(panel.ComboBox_SS.enabled);
    EXPECT_FALSE(keyControlsEnabled(KeyKind::Wep));
    EXPECT_FALSE(keyControlsEnabled(KeyKind::Wpa));
}

TEST_F(WirelessTab, CheckingTheCheckedRadioRunsNoClick) {
    wlan.enable = "from the camera";
    checkWirelessRadio(panel, wlan, true); // already on
    EXPECT_EQ(wlan.enable, "from the camera");
}

TEST_F(WirelessTab, SecurityModeSwapsTheKeyControls) {
    panel.setWirelessControlsEnabled(true);
    panel.ComboBox_SS.select(kSecurityWep);
    SS_Change(panel);
    EXPECT_TRUE(keyControlsEnabled(KeyKind::Wep));
    EXPECT_TRUE(panel.MEMO_SETTING_EDIT_WEP.visible);
    EXPECT_FALSE(keyControlsEnabled(KeyKind::Wpa));
    EXPECT_FALSE(panel.ComboBox_KeyFormat_WPA.visible);

    // None disables both and leaves the WEP controls where they are.
    panel.ComboBox_SS.select(kSecurityNone);
    SS_Change(panel);
    EXPECT_FALSE(keyControlsEnabled(KeyKind::Wep));
    EXPECT_TRUE(panel.ComboBox_KeyType_WEP.visible);
    EXPECT_FALSE(panel.MEMO_SETTING_EDIT_WPA.visible);

    panel.ComboBox_SS.select(kSecurityWpa2);
    SS_Change(panel);
    EXPECT_TRUE(keyControlsEnabled(KeyKind::Wpa));
    EXPECT_TRUE(panel.MEMO_SETTING_EDIT_WPA.visible);
    EXPECT_FALSE(panel.MEMO_SETTING_EDIT_WEP.visible);
}

TEST_F(WirelessTab, SecurityModeChangesNothingWhileWirelessIsOff) {
    checkWirelessRadio(panel, wlan, false);
    panel.ComboBox_SS.select(kSecurityWpa);
    SS_Change(panel);
    EXPECT_FALSE(keyControlsEnabled(KeyKind::Wpa));
    EXPECT_TRUE(panel.MEMO_SETTING_EDIT_WEP.visible);
}

// The DHCP choice shared by the panel and the wizard's three radio pairs.
struct AddressChoices : ::testing::Test {
    SettingsPanel panel;
    AddressChoice choice{panel};
    test::RecordingWizard wizard;

    AddressChoices() { choice.setWizardView(&wizard); }
};

TEST_F(AddressChoices, WizardPairsStartOnStaticIp) {
    EXPECT_EQ(choice.wizardMode(), AddressMode::Fixed);
    EXPECT_FALSE(choice.wizardChoosesDhcp());
}

TEST_F(AddressChoices, AWizardClickSetsEveryPairAndLocksOrUnlocks) {
    choice.RadioButton_T2_DHCPClick();
    EXPECT_TRUE(choice.wizardChoosesDhcp());
    EXPECT_TRUE(panel.RadioButton_DHCP.checked);
    EXPECT_FALSE(panel.RadioButton_Manual_IP.checked);
    EXPECT_FALSE(panel.MEMO_SETTING_GATEWAY3_EDIT.enabled);
    EXPECT_FALSE(panel.Label_Web_Port.enabled);
    EXPECT_EQ(wizard.calls, (std::vector<std::string>{"check DHCP", "lock"}));

    wizard.calls.clear();
    choice.RadioButton_T2_IPClick();
    EXPECT_FALSE(choice.wizardChoosesDhcp());
    EXPECT_TRUE(panel.RadioButton_Manual_IP.checked);
    EXPECT_TRUE(panel.MEMO_SETTING_GATEWAY3_EDIT.enabled);
    EXPECT_TRUE(panel.MEMO_SETTING_WebPort_EDIT.enabled);
    EXPECT_TRUE(panel.Dot_IP1.enabled);
    EXPECT_EQ(wizard.calls, (std::vector<std::string>{"check static", "unlock"}));
}

TEST_F(AddressChoices, APanelRadioRunsItsClickOnlyWhenItBecomesChecked) {
    choice.checkPanelRadio(AddressMode::Dhcp); // checked from the start
    EXPECT_TRUE(wizard.calls.empty());
    choice.checkPanelRadio(AddressMode::Fixed);
    EXPECT_TRUE(panel.MEMO_SETTING_IP1_EDIT.enabled);
    EXPECT_EQ(wizard.calls, (std::vector<std::string>{"unlock"}));
    // The panel's own radios leave the wizard's pairs, which the LAN check reads, alone.
    choice.checkPanelRadio(AddressMode::Dhcp);
    EXPECT_FALSE(choice.wizardChoosesDhcp());
}

TEST_F(AddressChoices, TheCamerasChoiceSetsAllFourPairs) {
    choice.showCameraAddressMode(AddressMode::Dhcp);
    EXPECT_TRUE(choice.wizardChoosesDhcp());
    EXPECT_TRUE(panel.RadioButton_DHCP.checked);
    EXPECT_FALSE(panel.MEMO_SETTING_IP1_EDIT.enabled);
    EXPECT_EQ(wizard.calls, (std::vector<std::string>{"check DHCP", "lock"}));

    wizard.calls.clear();
    choice.showCameraAddressMode(AddressMode::Fixed);
    EXPECT_TRUE(panel.RadioButton_Manual_IP.checked);
    EXPECT_TRUE(panel.MEMO_SETTING_IP1_EDIT.enabled);
    EXPECT_EQ(wizard.calls, (std::vector<std::string>{"check static", "unlock"}));
}

TEST_F(AddressChoices, WorksWithoutAWizard) {
    AddressChoice alone{panel};
    alone.RadioButton_T2_IPClick();
    alone.enableFixedAddressPage(true);
    EXPECT_TRUE(panel.MEMO_SETTING_IP1_EDIT.enabled);
}

} // namespace
} // namespace vistrel
