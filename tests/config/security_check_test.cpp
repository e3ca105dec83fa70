#include "base/byte_layout.h"
#include "config/security_check.h"
#include "config_fixtures.h"
#include "protocol/password_digest.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

std::string shortPassword(const CameraConfiguration& config) {
    return readText(config.shortRecord, kShortRecordLayout.password, kRecordPasswordSize);
}

std::string longPassword(const CameraConfiguration& config) {
    return readText(config.longRecord, kLongRecordLayout.password, kRecordPasswordSize);
}

struct SecurityCheck : ::testing::Test {
    CameraConfiguration config;

    void enter(std::string_view name, std::string_view password, std::string_view confirmation) {
        config.panel.STATIC_SETTING_CAMERANAME_EDIT.text = name;
        config.panel.STATIC_SETTING_NEWPASSWORD_EDIT.text = password;
        config.panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT.text = confirmation;
    }
    std::string warning() {
        const CheckResult result = Check_Security_Settings(config);
        return result.passed() ? "passes" : result.warning->text;
    }
    bool passwordFieldsEmpty() const {
        return config.panel.STATIC_SETTING_NEWPASSWORD_EDIT.text.empty() &&
               config.panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT.text.empty();
    }
};

TEST_F(SecurityCheck, NameAndPasswordRules) {
    test::selectCamera(config, 5, false);
    const struct {
        std::string name;
        std::string password;
        std::string confirmation;
        std::string warning;
        bool fieldsEmptied;
    } cases[] = {
        {"", "", "", "CameraName_Cant_Be_Empty", false},
        {"   ", "", "", "passes", false},
        {"Porch", "abc", "abc", "Password_Must_Four_Characters", true},
        {"Porch", "abcd", "abce", "Password_Doesnot_Match", true},
        {"Porch", "abcd", "ABCD", "Password_Doesnot_Match", true},
        {"Porch", "abcd", "", "Password_Doesnot_Match", true},
        {"Porch", "abcd", "abcd", "passes", false},
        {"Porch", std::string(64, 'p'), std::string(64, 'p'), "passes", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + "/" + c.password + "/" + c.confirmation);
        enter(c.name, c.password, c.confirmation);
        EXPECT_EQ(warning(), c.warning);
        EXPECT_EQ(passwordFieldsEmpty(), c.fieldsEmptied || c.password.empty());
    }
}

TEST_F(SecurityCheck, FixedLayoutCameraGetsNameAndPasswordInBothRecords) {
    test::selectCamera(config, 22, false);
    writeText(config.longRecord, kLongRecordLayout.password, kRecordPasswordSize, "from camera");
    enter("Porch <1>", "", "");
    ASSERT_EQ(warning(), "passes");
    EXPECT_EQ(readText(config.shortRecord, 10, 32), "Porch <1>");
    EXPECT_EQ(readText(config.longRecord, 10, 64), "Porch <1>");
    EXPECT_EQ(longPassword(config), "from camera"); // no new password: unchanged

    enter("Porch <1>", "n&w<pass", "n&w<pass");
    ASSERT_EQ(warning(), "passes");
    EXPECT_EQ(shortPassword(config), "n&w<pass"); // fixed layouts take it as typed
    EXPECT_EQ(longPassword(config), "n&w<pass");
}

TEST_F(SecurityCheck, XmlCameraGetsItsCurrentPasswordBackEscaped) {
    test::selectCamera(config, 22, true);
    config.credentials.scrambledPassword = scramblePassword("a<b&c");
    enter("Porch", "", "");
    ASSERT_EQ(warning(), "passes");
    EXPECT_EQ(shortPassword(config), "a&lt;b&amp;c");
    EXPECT_EQ(readText(config.shortRecord, 10, 32), ""); // the name travels in the document

    enter("Porch", "n&w<pass", "n&w<pass");
    ASSERT_EQ(warning(), "passes");
    EXPECT_EQ(shortPassword(config), "n&amp;w&lt;pass");
    EXPECT_EQ(longPassword(config), "n&w<pass");
}

TEST_F(SecurityCheck, WhatDoesNotFitItsFieldIsRefusedNotCut) {
    test::selectCamera(config, 22, true);
    // 13 ampersands are 65 bytes once escaped.
    enter("Porch", std::string(13, '&'), std::string(13, '&'));
    EXPECT_EQ(warning(), "Password_Too_Long");
    EXPECT_TRUE(passwordFieldsEmpty());
    enter("Porch", std::string(12, '&') + "x", std::string(12, '&') + "x"); // 61 bytes
    EXPECT_EQ(warning(), "passes");

    // The camera's own password that no longer fits: only a new one can replace it.
    config.credentials.scrambledPassword = scramblePassword(std::string(20, '"'));
    enter("Porch", "", "");
    EXPECT_EQ(warning(), "Current_Password_Too_Long");
    enter("Porch", "good pass", "good pass");
    EXPECT_EQ(warning(), "passes");
    EXPECT_EQ(shortPassword(config), "good pass");

    config.camera.xmlMode = false;
    enter("Porch", std::string(65, 'p'), std::string(65, 'p'));
    EXPECT_EQ(warning(), "Password_Too_Long");
}

TEST_F(SecurityCheck, ANameTooLongForTheRecordSentIsRefused) {
    test::selectCamera(config, 5, false); // short record: 32 bytes of name
    enter(std::string(33, 'n'), "", "");
    EXPECT_EQ(warning(), "CameraName_Too_Long");
    enter("\xC3\xA9t\xC3\xA9" + std::string(27, 'n'), "", ""); // 30 characters, 32 bytes
    EXPECT_EQ(warning(), "passes");

    config.camera.modelCode = 22; // long record: 64 bytes
    enter(std::string(64, 'n'), "", "");
    EXPECT_EQ(warning(), "passes");
    EXPECT_EQ(readText(config.longRecord, 10, 64), std::string(64, 'n'));
    enter(std::string(65, 'n'), "", "");
    EXPECT_EQ(warning(), "CameraName_Too_Long");
}

} // namespace
} // namespace vistrel
