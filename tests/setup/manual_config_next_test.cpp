#include "base/byte_layout.h"
#include "config/config_fixtures.h"
#include "config/panel_opening.h"
#include "protocol/password_digest.h"
#include "setup/manual_config_next.h"

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
    const ManualTestStart start = Button_T9_NextClick(
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
            Button_T9_NextClick(config, state, {"10.0.0.7", "255.0.0.0", "10.0.0.1", "10.0.0.2"},
                                /*rowSelected=*/true);
        ASSERT_TRUE(start.started());
        ASSERT_EQ(start.confirm.status, ConfirmStatus::Ready);
        ASSERT_EQ(start.confirm.datagram.size(), kLongRecordLayout.size);
        EXPECT_EQ(readText(start.confirm.datagram, kLongRecordDigestText, 64),
                  passwordDigestText(test::kSelectedMac, "2580"));
        EXPECT_EQ(start.confirm.datagram[kLongRecordLayout.ip + 3], 7);
        EXPECT_EQ(recordPassword(), digestVerified ? "2580" : "");
        EXPECT_EQ(start.countdown, (Countdown{9, 30}));
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

} // namespace
} // namespace vistrel
