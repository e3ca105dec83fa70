#include "base/byte_layout.h"
#include "config/config_fixtures.h"
#include "config/panel_opening.h"
#include "protocol/password_digest.h"
#include "setup/manual_config_next.h"
#include "setup/setup_completion.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

// A new camera whose DHCP wait failed, opened in the panel with a fixed address chosen; its
// long settings record reported the factory password as given.
struct ManualConfigNext : ::testing::Test {
    CameraConfiguration config;
    WizardState state;

    void openCamera(bool digestVerified) {
        test::selectCamera(config, 27, false);
        config.camera.ipText = "192.168.  1. 64";
        config.camera.cameraName = "Porch";
        config.camera.webPort = 80;
        config.camera.dhcpFlag = 1; // the camera reported DHCP, whose server never answered
        config.credentials.digestVerified = digestVerified;
        LoadPanelFromCamera(config);
        config.addressChoice.RadioButton_T2_IPClick();
        state.ManualConfirmed = true;
    }

    std::string recordPassword() const {
        return readText(config.longRecord, kLongRecordLayout.password, kRecordPasswordSize);
    }
};

TEST_F(ManualConfigNext, RefusedAddressSendsNothingAndStartsNoTest) {
    openCamera(true);
    const ManualTestStart start = startFixedAddressTest(
        config, state, {"10.0.0.7", "255.0.0.0", "10.0.0.1", ""}, /*rowSelected=*/true);
    EXPECT_FALSE(start.started());
    ASSERT_TRUE(start.warning);
    EXPECT_EQ(start.confirm.status, ConfirmStatus::Refused);
    EXPECT_EQ(state.ManualSeconds, 0);
    EXPECT_TRUE(state.ManualConfirmed);
    EXPECT_EQ(config.camera.ipText, "192.168.  1. 64");
    EXPECT_EQ(recordPassword(), "");
}

// The long record must prove the password the camera has, the factory one, whether it
// reported it plainly or as its digest text, whatever an earlier login left behind.
TEST_F(ManualConfigNext, AcceptedAddressGoesOutProvingTheFactoryPasswordAndTheTestStarts) {
    for (const bool digestVerified : {true, false}) {
        SCOPED_TRACE(digestVerified);
        openCamera(digestVerified);
        const ManualTestStart start =
            startFixedAddressTest(config, state, {"10.0.0.7", "255.0.0.0", "10.0.0.1", "10.0.0.2"},
                                  /*rowSelected=*/true);
        ASSERT_TRUE(start.started());
        ASSERT_EQ(start.confirm.status, ConfirmStatus::Ready);
        ASSERT_EQ(start.confirm.datagram.size(), kLongRecordLayout.size);
        EXPECT_EQ(readText(start.confirm.datagram, kLongRecordDigestText, 64),
                  passwordDigestText(test::kSelectedMac, "2580"));
        EXPECT_EQ(start.confirm.datagram[kLongRecordLayout.ip + 3], 7);
        EXPECT_EQ(recordPassword(), digestVerified ? "2580" : "");
        EXPECT_EQ(start.countdown, (Countdown{WizardPage::ManualConfig, 30}));
        EXPECT_EQ(state.ManualSeconds, 30);
        EXPECT_FALSE(state.ManualConfirmed);
        EXPECT_EQ(config.camera.ipText, "10.0.0.7");
        EXPECT_EQ(config.camera.ipTextNoBlanks, "10.0.0.7");
        EXPECT_EQ(config.camera.netmaskText, "255.0.0.0");
        EXPECT_EQ(config.camera.gatewayText, "10.0.0.1");
        EXPECT_EQ(config.camera.dnsText, "10.0.0.2");
        config.longRecord.fill(0);
    }
}

// Page 5 reopens the panel from the camera's record: the fixed address page 9 sent must be what
// the name and password write sends again, not the DHCP the camera reported before.
TEST_F(ManualConfigNext, TheFixedAddressSentStaysInTheSetUpsLaterWrites) {
    openCamera(false);
    const ManualTestStart start =
        startFixedAddressTest(config, state, {"10.0.0.7", "255.0.0.0", "10.0.0.1", "10.0.0.2"},
                              /*rowSelected=*/true);
    ASSERT_EQ(start.confirm.status, ConfirmStatus::Ready);
    ASSERT_EQ(start.confirm.datagram[kLongRecordLayout.dhcpFlag], 0);
    EXPECT_EQ(config.camera.dhcpFlag, 0);

    const SetupCompletion completion =
        completeSetup(config, {"Porch", "n3w-secret", "n3w-secret"}, false, "2580", true);
    ASSERT_EQ(completion.confirm.status, ConfirmStatus::Ready);
    const auto& datagram = completion.confirm.datagram;
    EXPECT_EQ(datagram[kLongRecordLayout.dhcpFlag], 0);
    EXPECT_EQ(datagram[kLongRecordLayout.ip], 10);
    EXPECT_EQ(datagram[kLongRecordLayout.ip + 3], 7);
    EXPECT_EQ(datagram[kLongRecordLayout.netmask], 255);
}

// DHCP chosen on page 9 goes out as DHCP, and page 5 keeps it.
TEST_F(ManualConfigNext, DhcpChosenOnPageNineStaysDhcp) {
    openCamera(false);
    config.camera.dhcpFlag = 0;
    config.addressChoice.RadioButton_T2_DHCPClick();
    const ManualTestStart start =
        startFixedAddressTest(config, state, {"10.0.0.7", "255.0.0.0", "10.0.0.1", "10.0.0.2"},
                              /*rowSelected=*/true);
    ASSERT_EQ(start.confirm.status, ConfirmStatus::Ready);
    EXPECT_EQ(config.camera.dhcpFlag, 1);
    const SetupCompletion completion =
        completeSetup(config, {"Porch", "", ""}, false, "2580", true);
    ASSERT_EQ(completion.confirm.status, ConfirmStatus::Ready);
    EXPECT_EQ(completion.confirm.datagram[kLongRecordLayout.dhcpFlag], 1);
}

} // namespace
} // namespace vistrel
