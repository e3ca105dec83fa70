#include "base/byte_layout.h"
#include "config/camera_opening.h"
#include "protocol/password_digest.h"
#include "protocol/settings_records.h"
#include "setup/setup_completion.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace vistrel {
namespace {

const MacAddress kMac{0x02, 0x56, 0x49, 0x00, 0x00, 0x03};
constexpr std::uint8_t kLongLayoutModel = 27;
constexpr std::uint8_t kShortLayoutModel = 10;

// A new camera, selected, whose settings reply has arrived.
class SetupCompletionTest : public ::testing::Test {
protected:
    void selectCamera(std::uint8_t modelCode) {
        TDeviceItem& camera = config.camera;
        camera.macText = formatMacText(kMac);
        camera.modelCode = modelCode;
        camera.cameraName = "Camera";
        camera.ipText = "127.  0.  0.  4";
        camera.netmaskText = "255.  0.  0.  0";
        camera.gatewayText = "127.  0.  0.  1";
        camera.dnsText = "127.  0.  0.  1";
        camera.webPort = 80;
        config.templates.setCameraMac(kMac);
    }

    SetupCompletion complete(const WizardNameTexts& texts, bool digestVerified,
                             std::string_view loginPassword = "typed") {
        return completeSetup(config, texts, digestVerified, loginPassword, true);
    }

    static std::string digestOf(std::string_view password) {
        return passwordDigestText(kMac, password);
    }

    CameraConfiguration config;
};

TEST_F(SetupCompletionTest, DigestVerifiedCameraGetsTheLongMarkAndProvesTheFactoryPassword) {
    selectCamera(kLongLayoutModel);
    const SetupCompletion completion = complete({"Porch", "n3w-secret", "n3w-secret"}, true);
    ASSERT_FALSE(completion.staysOnPage());

    const auto& mark = completion.setupMark;
    ASSERT_EQ(mark.size(), 75U);
    EXPECT_TRUE(std::equal(kMac.begin(), kMac.end(), mark.begin()));
    EXPECT_EQ(mark[7], 0x27);
    EXPECT_EQ(mark[8], 0xFF);
    EXPECT_EQ(mark[9], 0xD8);
    EXPECT_EQ(mark[10], 0x01);
    EXPECT_EQ(readText(mark, 11, 64), digestOf("2580"));
    EXPECT_TRUE(std::all_of(mark.begin() + 43, mark.end(), [](auto b) { return b == 0; }));
    EXPECT_EQ(completion.loginPassword, "2580");

    ASSERT_EQ(completion.confirm.status, ConfirmStatus::Ready);
    const auto& record = completion.confirm.datagram;
    ASSERT_EQ(record.size(), kLongRecordLayout.size);
    EXPECT_EQ(readText(record, kLongRecordDigestText, 64), digestOf("2580"));
    EXPECT_EQ(readText(record, kLongRecordLayout.password, kRecordPasswordSize), "n3w-secret");
    EXPECT_EQ(readText(record, kLongRecordLayout.name, kLongRecordLayout.nameSize), "Porch");
    EXPECT_EQ(config.camera.ipTextNoBlanks, "127.0.0.4");
}

TEST_F(SetupCompletionTest, DigestVerifiedWithoutANewPasswordKeepsTheFactoryOne) {
    selectCamera(kLongLayoutModel);
    config.camera.passwordCredential = digestOf("2580");
    const SetupCompletion completion = complete({"Porch", "", ""}, true);
    ASSERT_EQ(completion.confirm.status, ConfirmStatus::Ready);
    EXPECT_EQ(
        readText(completion.confirm.datagram, kLongRecordLayout.password, kRecordPasswordSize),
        "2580");
}

TEST_F(SetupCompletionTest, OtherCamerasGetTheShortMark) {
    selectCamera(kLongLayoutModel);
    const SetupCompletion completion = complete({"Porch", "n3w-secret", "n3w-secret"}, false);
    const auto& mark = completion.setupMark;
    const std::vector<std::uint8_t> expected{0x02, 0x56, 0x49, 0x00, 0x00, 0x03,
                                             0x00, 0x27, 0xFF, 0xD8, 0x01};
    EXPECT_EQ(mark, expected);
    EXPECT_FALSE(completion.loginPassword);
    ASSERT_EQ(completion.confirm.status, ConfirmStatus::Ready);
    EXPECT_EQ(readText(completion.confirm.datagram, kLongRecordDigestText, 64), digestOf("typed"));

    // A camera that reported its factory password in plain text proves that one.
    config.camera.passwordCredential = "2580";
    const SetupCompletion plain = complete({"Porch", "n3w-secret", "n3w-secret"}, false);
    EXPECT_EQ(plain.setupMark, expected);
    EXPECT_EQ(plain.loginPassword, "2580");
    ASSERT_EQ(plain.confirm.status, ConfirmStatus::Ready);
    EXPECT_EQ(readText(plain.confirm.datagram, kLongRecordDigestText, 64), digestOf("2580"));

    selectCamera(kShortLayoutModel);
    const SetupCompletion shortLayout = complete({"Porch", "n3w-secret", "n3w-secret"}, false);
    EXPECT_EQ(shortLayout.setupMark.size(), 11U);
    ASSERT_EQ(shortLayout.confirm.datagram.size(), kShortRecordLayout.size);
    EXPECT_EQ(
        readText(shortLayout.confirm.datagram, kShortRecordLayout.password, kRecordPasswordSize),
        "n3w-secret");
}

TEST_F(SetupCompletionTest, ARefusedNameOrPasswordSendsNothing) {
    selectCamera(kLongLayoutModel);
    const WizardNameTexts refused[] = {{"", "n3w-secret", "n3w-secret"},
                                       {"Porch", "n3w-secret", "other"},
                                       {"Porch", "abc", "abc"}};
    for (const WizardNameTexts& texts : refused) {
        SCOPED_TRACE(texts.name + "/" + texts.password + "/" + texts.confirmation);
        const SetupCompletion completion = complete(texts, true);
        EXPECT_TRUE(completion.staysOnPage());
        EXPECT_TRUE(completion.setupMark.empty());
        EXPECT_TRUE(completion.confirm.datagram.empty());
        EXPECT_FALSE(completion.loginPassword);
    }
}

// Settings that do not go out are a warning, and page 5 stays: the finish window must not say
// that the set-up is complete.
TEST_F(SetupCompletionTest, SettingsNotSentKeepPageFive) {
    selectCamera(kLongLayoutModel);
    config.camera.macText = "not a MAC";
    const SetupCompletion notBuilt = complete({"Porch", "n3w-secret", "n3w-secret"}, false);
    EXPECT_TRUE(notBuilt.staysOnPage());
    EXPECT_EQ(notBuilt.warning, Warning::key("Settings_Not_Sent"));

    selectCamera(kLongLayoutModel);
    config.camera.ipText = "0.  0.  0.  4"; // refused by the confirm's address check
    const SetupCompletion refused = complete({"Porch", "n3w-secret", "n3w-secret"}, false);
    EXPECT_TRUE(refused.staysOnPage());
    EXPECT_EQ(refused.warning, Warning::key("IP_Range_Err_Message"));
    EXPECT_TRUE(refused.confirm.datagram.empty());
}

TEST(DynamicDnsLink, TheMacDigitsAsTheyStandBeforeOurDomain) {
    EXPECT_EQ(dynamicDnsLink("02:00:00:ab:cd:ef"), "http://020000abcdef.ddns.vistrel.example");
    EXPECT_EQ(dynamicDnsLink("02:00:00:AB:cd:ef"), "http://020000ABcdef.ddns.vistrel.example");
    EXPECT_EQ(dynamicDnsLink("02:00"), "http://0200.ddns.vistrel.example");
    EXPECT_EQ(dynamicDnsLink(""), "http://.ddns.vistrel.example");
}

TEST(CompletionMessage, TheNameAsTypedThenTheTextsEndingWithAnEmptyLine) {
    EXPECT_EQ(completionMessage(u" Porch ", u"Setup is complete.", u"Your camera's address:"),
              u" Porch \r\n\r\nSetup is complete.\r\nYour camera's address:\r\n\r\n");
}

} // namespace
} // namespace vistrel
