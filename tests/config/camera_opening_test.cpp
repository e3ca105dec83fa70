#include "base/byte_layout.h"
#include "config/camera_opening.h"
#include "config/web_page_url.h"
#include "config/wizard_settings_pages.h"
#include "config_fixtures.h"
#include "protocol/password_digest.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

struct CameraOpeningTest : ::testing::Test {
    CameraConfiguration config;
    test::RecordingWizard wizard;
    const CameraListRow row{{"00:1a:2b:3c:4d:5e", "192.168.  2.  3", "Porch", "VN-2000EP", "5"}};

    CameraOpeningTest() {
        config.addressChoice.setWizardView(&wizard);
        test::selectCamera(config, 22, false);
        config.camera.ipText = "192.168.  2.  3";
        config.camera.browserIpText = config.camera.ipText;
        config.camera.netmaskText = "255.255.255.  0";
        config.camera.gatewayText = "192.168.  2.  1";
        config.camera.dnsText = "192.168.  2.  1";
        config.camera.webPort = 80;
        config.credentials.digestVerified = true; // left from an earlier login
    }
};

TEST_F(CameraOpeningTest, NothingOpensWhileBusyOrWithoutSelection) {
    const CameraOpening busy = cameraOpening(config, true, &row, {});
    EXPECT_EQ(busy.kind, OpeningKind::Busy);
    EXPECT_EQ(busy.warning, Warning::fixedText("The admin utility is busy searching."));
    const CameraOpening none = cameraOpening(config, false, nullptr, {});
    EXPECT_EQ(none.kind, OpeningKind::NoSelection);
    EXPECT_EQ(none.warning, Warning::key("Please_Select_A_Camera"));
    EXPECT_TRUE(config.credentials.digestVerified);
    EXPECT_TRUE(wizard.calls.empty());
}

TEST_F(CameraOpeningTest, ANewCameraWaitsForItsDhcpAddress) {
    const CameraOpening opening = cameraOpening(config, false, &row, {"Other", "Porch"});
    EXPECT_EQ(opening.kind, OpeningKind::DhcpWait);
    EXPECT_FALSE(opening.warning);
    EXPECT_EQ(opening.defaultPasswordDigestText, passwordDigestText(test::kSelectedMac, "2580"));
    EXPECT_FALSE(config.credentials.digestVerified);
    EXPECT_EQ(wizard.calls, (std::vector<std::string>{"page 9 radios usable"}));
}

TEST_F(CameraOpeningTest, AnyOtherCameraAsksForItsPasswordWithLongLimits) {
    config.panel.STATIC_SETTING_NEWPASSWORD_EDIT.maxLength = 12;
    // Names compare exactly.
    const CameraOpening opening = cameraOpening(config, false, &row, {"porch"});
    EXPECT_EQ(opening.kind, OpeningKind::Login);
    EXPECT_EQ(opening.loginUserName, "Porch");
    EXPECT_EQ(opening.loginPasswordMaxLength, 63);
    EXPECT_EQ(config.panel.STATIC_SETTING_CAMERANAME_EDIT.maxLength, 63);
    EXPECT_EQ(config.panel.STATIC_SETTING_NEWPASSWORD_EDIT.maxLength, 63);
    EXPECT_EQ(config.panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT.maxLength, 63);
    EXPECT_FALSE(config.credentials.digestVerified);
}

TEST_F(CameraOpeningTest, SetUpLoginOpensPage12ForOtherCamerasElsePage2) {
    const SetUpPages other = setUpPagesAfterLogin(config, kStateOther);
    EXPECT_EQ(other.page, WizardPage::OldNetwork);
    EXPECT_TRUE(other.lanTabInFront);
    EXPECT_EQ(other.addressTexts, (std::array<std::string, 4>{"192.168.2.3", "255.255.255.0",
                                                              "192.168.2.1", "192.168.2.1"}));
    EXPECT_TRUE(config.panel.Image_Lan_Settings_OK.visible); // the panel was opened
    EXPECT_EQ(config.panel.MEMO_SETTING_IP3_EDIT.text, "2");

    const SetUpPages setUp = setUpPagesAfterLogin(config, kStateSetUpB2);
    EXPECT_EQ(setUp.page, WizardPage::Network);
    EXPECT_FALSE(setUp.lanTabInFront);
}

TEST_F(CameraOpeningTest, WebPageAddressAlwaysCarriesThePort) {
    EXPECT_EQ(webPageUrl(config.camera), "http://192.168.2.3:80");
    config.camera.webPort = 8080;
    config.panel.MEMO_SETTING_WebPort_EDIT.text = "9999"; // the record's port counts
    EXPECT_EQ(webPageTarget(config.camera, true).url, "http://192.168.2.3:8080");
    const WebPageTarget none = webPageTarget(config.camera, false);
    EXPECT_EQ(none.warning, Warning::key("Please_Select_A_Camera"));
    EXPECT_EQ(none.url, "");
}

struct WizardPages : CameraOpeningTest {
    const WizardAddressTexts addresses{"192.168.  2. 50", "255.255.255.  0", "192.168.  2.  1",
                                       "192.168.  2.  1"};

    WizardPages() {
        config.addressChoice.RadioButton_T2_IPClick();
        config.panel.STATIC_SETTING_CAMERANAME_EDIT.text = "Porch";
        config.panel.MEMO_SETTING_WebPort_EDIT.text = "80";
    }
};

TEST_F(WizardPages, Page2SendsValidAddresses) {
    const WizardPageOk ok = confirmNetworkPage(config, addresses, "login", true);
    EXPECT_FALSE(ok.staysOnPage());
    ASSERT_EQ(ok.confirm.status, ConfirmStatus::Ready);
    EXPECT_EQ(ok.confirm.datagram.size(), 720u);
    EXPECT_EQ(ok.confirm.datagram[77], 50);
}

TEST_F(WizardPages, Page2StaysWithItsOwnWarningAndSendsNothing) {
    const WizardPageOk ok = confirmNetworkPage(
        config, {"0.168.2.50", addresses.subnet, addresses.gateway, addresses.dns}, "login", true);
    EXPECT_TRUE(ok.staysOnPage());
    EXPECT_EQ(ok.warning, Warning::key("IP_Range_Err_Message"));
    EXPECT_TRUE(ok.confirm.datagram.empty());
}

// A write that is not sent is a warning, and the page stays: a check of the confirm refused,
// or the request could not be built.
TEST_F(WizardPages, Page2StaysWhenTheConfirmSendsNothing) {
    config.panel.STATIC_SETTING_CAMERANAME_EDIT.text.clear();
    const WizardPageOk refused = confirmNetworkPage(config, addresses, "login", true);
    EXPECT_TRUE(refused.staysOnPage());
    EXPECT_EQ(refused.confirm.status, ConfirmStatus::Refused);
    EXPECT_EQ(refused.warning, Warning::key("CameraName_Cant_Be_Empty"));

    config.panel.STATIC_SETTING_CAMERANAME_EDIT.text = "Porch";
    config.camera.macText = "no mac";
    const WizardPageOk notBuilt = confirmNetworkPage(config, addresses, "login", true);
    EXPECT_TRUE(notBuilt.staysOnPage());
    EXPECT_EQ(notBuilt.confirm.status, ConfirmStatus::NotBuilt);
    EXPECT_EQ(notBuilt.warning, Warning::key("Settings_Not_Sent"));
}

TEST_F(WizardPages, Page12ChecksNameAndPasswordsFirst) {
    const WizardPageOk refused =
        confirmOldNetworkPage(config, addresses, {"Porch", "abcd", "abce"}, "login", true);
    EXPECT_EQ(refused.warning, Warning::key("Password_Doesnot_Match"));

    // Valid name and passwords with an address the confirm refuses: stays without sending.
    WizardAddressTexts wrongGateway = addresses;
    wrongGateway.gateway = "10.0.0.1";
    const WizardPageOk stays =
        confirmOldNetworkPage(config, wrongGateway, {"Porch", "abcd", "abcd"}, "login", true);
    EXPECT_TRUE(stays.staysOnPage());
    EXPECT_EQ(stays.warning, Warning::key("Netmask_Range_Err_Message"));
    EXPECT_TRUE(stays.confirm.datagram.empty());

    const WizardPageOk sends =
        confirmOldNetworkPage(config, addresses, {"Garden", "abcd", "abcd"}, "login", true);
    ASSERT_EQ(sends.confirm.status, ConfirmStatus::Ready);
    EXPECT_EQ(readText(sends.confirm.datagram, 10, 64), "Garden");
    EXPECT_EQ(readText(sends.confirm.datagram, 592, 64), "abcd");
}

} // namespace
} // namespace vistrel
