#include "config/panel_addresses.h"
#include "config/panel_opening.h"
#include "config_fixtures.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

std::vector<std::string> octetTexts(SettingsPanel& panel, AddressGroup group) {
    std::vector<std::string> texts;
    for (const EditControl* field : panel.octetFields(group)) {
        texts.push_back(field->text);
    }
    return texts;
}

using Texts = std::vector<std::string>;

TEST(LengthLimits, FollowModelCodeAndModelName) {
    EXPECT_EQ(lengthLimitsFor(22, "VN-2000EP"), (LengthLimits{63, 63}));
    EXPECT_EQ(lengthLimitsFor(19, "anything"), (LengthLimits{63, 63}));
    EXPECT_EQ(lengthLimitsFor(26, "anything"), (LengthLimits{63, 63}));
    EXPECT_EQ(lengthLimitsFor(5, "VC-120"), (LengthLimits{31, 12}));
    EXPECT_EQ(lengthLimitsFor(27, "VN-3000E"), (LengthLimits{31, 12}));
    EXPECT_EQ(lengthLimitsFor(5, "VN-3000W"), (LengthLimits{31, 63}));
    EXPECT_EQ(lengthLimitsFor(0, "VX-6020W"), (LengthLimits{31, 63}));
}

struct PanelOpening : ::testing::Test {
    CameraConfiguration config;
    test::RecordingWizard wizard;
    const CameraListRow row{{"00:1a:2b:3c:4d:5e", "192.168.  2.  3", "Porch", "VC-120", "5"}};

    PanelOpening() {
        config.addressChoice.setWizardView(&wizard);
        test::selectCamera(config, 5, false);
        TDeviceItem& camera = config.camera;
        camera.modelName = "VC-120";
        camera.ipText = "192.168.  2.  3";
        camera.netmaskText = "255.255.255.  0";
        camera.gatewayText = "192.168.  2.  1";
        camera.dnsText = "  8.  8.  8.  8";
        camera.webPort = 8080;
        camera.cameraName = "Porch";
    }
};

TEST_F(PanelOpening, ConfigureNeedsASelectedCamera) {
    config.panel.STATIC_SETTING_CAMERANAME_EDIT.maxLength = 63;
    const ConfigureResult result = prepareConfigureLogin(config, nullptr);
    EXPECT_EQ(result.warning, Warning::key("Please_Select_A_Camera"));
    EXPECT_EQ(config.panel.STATIC_SETTING_CAMERANAME_EDIT.maxLength, 63);
}

TEST_F(PanelOpening, ConfigureSetsLimitsAndTabsForTheCamera) {
    config.panel.TabSheet_Setting.activePage = kSecurityPage;
    const ConfigureResult result = prepareConfigureLogin(config, &row);
    EXPECT_FALSE(result.warning);
    EXPECT_EQ(result.login.userName, "Porch");
    EXPECT_EQ(result.login.passwordMaxLength, 12);
    EXPECT_EQ(config.panel.STATIC_SETTING_CAMERANAME_EDIT.maxLength, 31);
    EXPECT_EQ(config.panel.STATIC_SETTING_NEWPASSWORD_EDIT.maxLength, 12);
    EXPECT_EQ(config.panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT.maxLength, 12);
    EXPECT_FALSE(config.panel.TabSheet_Wireless_Settings.tabVisible); // not in XML mode
    EXPECT_EQ(config.panel.TabSheet_Setting.activePage, kLanPage);

    config.camera.xmlMode = true;
    config.camera.modelCode = 22;
    EXPECT_EQ(prepareConfigureLogin(config, &row).login.passwordMaxLength, 63);
    EXPECT_TRUE(config.panel.TabSheet_Wireless_Settings.tabVisible);
}

TEST_F(PanelOpening, LoadingShowsTheCamerasFixedAddressAsPlainNumbers) {
    LoadPanelFromCamera(config);
    SettingsPanel& panel = config.panel;
    EXPECT_EQ(octetTexts(panel, AddressGroup::Ip), (Texts{"192", "168", "2", "3"}));
    EXPECT_EQ(octetTexts(panel, AddressGroup::Netmask), (Texts{"255", "255", "255", "0"}));
    EXPECT_EQ(octetTexts(panel, AddressGroup::Gateway), (Texts{"192", "168", "2", "1"}));
    EXPECT_EQ(octetTexts(panel, AddressGroup::Dns), (Texts{"8", "8", "8", "8"}));
    EXPECT_EQ(panel.MEMO_SETTING_WebPort_EDIT.text, "8080");
    EXPECT_EQ(panel.STATIC_SETTING_CAMERANAME_EDIT.text, "Porch");
    // Settings mode, fixed address on all four pairs, fields open.
    EXPECT_TRUE(panel.Image_Lan_Settings_OK.visible);
    EXPECT_FALSE(panel.Image_Config.visible);
    EXPECT_TRUE(panel.RadioButton_Manual_IP.checked);
    EXPECT_FALSE(config.addressChoice.wizardChoosesDhcp());
    EXPECT_TRUE(panel.MEMO_SETTING_IP1_EDIT.enabled);
    EXPECT_EQ(wizard.calls, (Texts{"page 9 usable", "check static", "unlock"}));
}

TEST_F(PanelOpening, LoadingADhcpCameraLocksTheAddressesEverywhere) {
    config.addressChoice.RadioButton_T2_IPClick();
    wizard.calls.clear();
    config.camera.dhcpFlag = 1;
    LoadPanelFromCamera(config);
    EXPECT_TRUE(config.panel.RadioButton_DHCP.checked);
    EXPECT_TRUE(config.addressChoice.wizardChoosesDhcp());
    EXPECT_FALSE(config.panel.MEMO_SETTING_DNS2_EDIT.enabled);
    EXPECT_EQ(wizard.calls, (Texts{"page 9 usable", "check DHCP", "lock"}));
}

// A new password typed for an earlier camera, left behind when its write was refused, must not
// go to the camera opened next.
TEST_F(PanelOpening, LoadingEmptiesTheNewPasswordFields) {
    config.panel.STATIC_SETTING_NEWPASSWORD_EDIT.text = "for-another-camera";
    config.panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT.text = "for-another-camera";
    LoadPanelFromCamera(config);
    EXPECT_EQ(config.panel.STATIC_SETTING_NEWPASSWORD_EDIT.text, "");
    EXPECT_EQ(config.panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT.text, "");
}

TEST_F(PanelOpening, AddressesNotYetReportedLeaveTheFieldsEmpty) {
    config.camera.gatewayText.clear();
    config.camera.dnsText = "  8.  8";
    LoadPanelFromCamera(config);
    EXPECT_EQ(octetTexts(config.panel, AddressGroup::Gateway), (Texts{"", "", "", ""}));
    EXPECT_EQ(octetTexts(config.panel, AddressGroup::Dns), (Texts{"8", "8", "", ""}));
}

TEST(PutAddressesInPanel, ReadsDottedTextsLeniently) {
    SettingsPanel panel;
    test::setOctets(panel, AddressGroup::Dns, "1.2.3.4");
    PutAddressesInPanel(panel, "192.168.  2.  3", "..255..255.0.", " -1.+2.3x.", "");
    EXPECT_EQ(octetTexts(panel, AddressGroup::Ip), (Texts{"192", "168", "2", "3"}));
    EXPECT_EQ(octetTexts(panel, AddressGroup::Netmask), (Texts{"255", "255", "0", ""}));
    EXPECT_EQ(octetTexts(panel, AddressGroup::Gateway), (Texts{"-1", "2", "3", ""}));
    EXPECT_EQ(octetTexts(panel, AddressGroup::Dns), (Texts{"1", "2", "3", "4"})); // no pieces

    PutAddressesInPanel(panel, "1.2.3.4.5", "a.b", "", "");
    EXPECT_EQ(octetTexts(panel, AddressGroup::Ip), (Texts{"1", "2", "3", "4"}));
    EXPECT_EQ(octetTexts(panel, AddressGroup::Netmask), (Texts{"0", "0", "0", ""}));
}

// A dotted address given as one text goes into the fields piece by piece, unread, so that the
// LAN check sees exactly what was typed.
TEST(TypeDottedAddress, PutsEachPieceIntoItsFieldAsItStands) {
    const struct {
        const char* dotted;
        Texts fields;
    } cases[] = {
        {"192.168.2.3", {"192", "168", "2", "3"}}, {"10.0.0", {"10", "0", "0", ""}},
        {"1..2.3", {"1", "", "2", "3"}},           {"1.2.3.4.5", {"1", "2", "3", "4.5"}},
        {" 1.02.x.-4", {" 1", "02", "x", "-4"}},   {"", {"", "", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dotted);
        SettingsPanel panel;
        test::setOctets(panel, AddressGroup::Gateway, "9.9.9.9");
        typeDottedAddress(panel, AddressGroup::Gateway, c.dotted);
        EXPECT_EQ(octetTexts(panel, AddressGroup::Gateway), c.fields);
    }
}

} // namespace
} // namespace vistrel
