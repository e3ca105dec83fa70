#include "base/byte_layout.h"
#include "config/login_check.h"
#include "config/settings_reply_application.h"
#include "config_fixtures.h"
#include "protocol/password_digest.h"
#include "support/settings_reply_fixtures.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

using test::kSelectedMac;

std::string lowerCase(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

struct Login : ::testing::Test {
    CameraConfiguration config;

    // The selected camera reported its settings in a fixed layout with this credential.
    void fixedCameraReported(std::string_view credential) {
        test::selectCamera(config, 22, false);
        applySettingsReply(config,
                           test::fixedSettingsReply(kSelectedMac, {.credential = credential}));
    }
    void xmlCameraReported(std::string_view password) {
        test::selectCamera(config, 22, false);
        applySettingsReply(
            config, test::xmlSettingsReply(
                        kSelectedMac,
                        test::settingsDocument(
                            "<userPassword>" + std::string(password) + "</userPassword>", "")));
    }
    std::string longRecordPassword() const {
        return readText(config.longRecord, kLongRecordLayout.password, kRecordPasswordSize);
    }
};

TEST_F(Login, ThePasswordTheCameraReportedPasses) {
    fixedCameraReported("secret");
    const LoginResult result = checkLoginPassword(config, "secret");
    EXPECT_EQ(result.outcome, LoginOutcome::PassedByPassword);
    EXPECT_FALSE(config.credentials.digestVerified);
}

TEST_F(Login, APasswordWhoseDigestTheCameraReportedPassesInAnyCase) {
    fixedCameraReported(lowerCase(passwordDigestText(kSelectedMac, "n3w pass")));
    const LoginResult result = checkLoginPassword(config, "n3w pass");
    EXPECT_EQ(result.outcome, LoginOutcome::PassedByDigest);
    EXPECT_TRUE(config.credentials.digestVerified);
    EXPECT_EQ(longRecordPassword(), "n3w pass");
}

TEST_F(Login, AWrongPasswordIsRefused) {
    fixedCameraReported(passwordDigestText(kSelectedMac, "n3w pass"));
    const std::string before = longRecordPassword();
    using namespace std::string_view_literals;
    for (const std::string_view typed : {"n3w pas"sv, "N3W PASS"sv, ""sv, "n3w pass "sv}) {
        SCOPED_TRACE(typed);
        const LoginResult result = checkLoginPassword(config, typed);
        EXPECT_FALSE(result.passed());
        EXPECT_EQ(result.warning, Warning::key("Input_Password_Err"));
    }
    EXPECT_FALSE(config.credentials.digestVerified);
    EXPECT_EQ(longRecordPassword(), before);
    // Too long for the digest: refused, not cut.
    EXPECT_FALSE(checkLoginPassword(config, std::string(65, 'x')).passed());
}

TEST_F(Login, AnXmlCameraIsCheckedAgainstThePasswordOfItsReply) {
    xmlCameraReported("pa&lt;ss");
    EXPECT_EQ(checkLoginPassword(config, "pa<ss").outcome, LoginOutcome::PassedByPassword);
    EXPECT_FALSE(checkLoginPassword(config, "").passed());
    EXPECT_FALSE(checkLoginPassword(config, "PA<SS").passed());
}

TEST_F(Login, AnXmlCameraDoesNotOpenWithAnotherCamerasCredential) {
    // A fixed-layout camera selected before left its credential behind.
    const MacAddress before{0x02, 0x00, 0x00, 0xab, 0xcd, 0xef};
    config.camera.macText = formatMacText(before);
    applySettingsReply(config, test::fixedSettingsReply(before, {.credential = passwordDigestText(
                                                                     kSelectedMac, "typed")}));
    xmlCameraReported("its own");
    ASSERT_EQ(config.credentials.credentialCopy, passwordDigestText(kSelectedMac, "typed"));
    EXPECT_EQ(checkLoginPassword(config, "typed").warning, Warning::key("Input_Password_Err"));
    EXPECT_FALSE(checkLoginPassword(config, passwordDigestText(kSelectedMac, "typed")).passed());
    EXPECT_TRUE(checkLoginPassword(config, "its own").passed());
}

TEST_F(Login, NothingPassesBeforeTheSelectedCamerasOwnReply) {
    fixedCameraReported("secret");
    // Another camera is selected; its reply has not arrived.
    config.camera.macText = "02:00:00:ab:cd:ef";
    for (const std::string_view typed : {std::string_view("secret"), std::string_view()}) {
        const LoginResult result = checkLoginPassword(config, typed);
        EXPECT_FALSE(result.passed());
        EXPECT_EQ(result.warning, Warning::key("Camera_Settings_Not_Received"));
    }
    // With no reply at all, an empty password does not match the empty credential either.
    CameraConfiguration fresh;
    test::selectCamera(fresh, 22, false);
    EXPECT_FALSE(checkLoginPassword(fresh, "").passed());
    test::selectCamera(fresh, 22, true);
    EXPECT_FALSE(checkLoginPassword(fresh, "").passed());
}

TEST_F(Login, AReplyWithoutCredentialDoesNotCountAsTheCamerasPassword) {
    test::selectCamera(config, 22, false);
    applySettingsReply(config, test::fixedSettingsReply(kSelectedMac, {.credential = ""}));
    EXPECT_EQ(checkLoginPassword(config, "").warning, Warning::key("Camera_Settings_Not_Received"));
}

} // namespace
} // namespace vistrel
