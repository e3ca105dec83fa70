#include "config/key_filters.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(KeyPressFilters, AcceptTheirCharacters) {
    const struct {
        const char* name;
        KeyPressDecision (*filter)(char32_t);
        std::u32string accepted;
        std::u32string refused;
    } filters[] = {
        {"wizard address", Edit_KeyPress, U"0189.\b", U"a ,-\x1B"},
    };
    for (const auto& f : filters) {
        SCOPED_TRACE(f.name);
        for (const char32_t key : f.accepted) {
            EXPECT_TRUE(f.filter(key).accepted) << static_cast<int>(key);
        }
        for (const char32_t key : f.refused) {
            EXPECT_FALSE(f.filter(key).accepted) << static_cast<int>(key);
        }
    }
}

TEST(KeyPressFilters, WebPortTakesNoDigitAfterALoneZero) {
    EXPECT_TRUE(Check_WebPort_Press(U'8', "", false).accepted);
    EXPECT_TRUE(Check_WebPort_Press(U'0', "", false).accepted);
    EXPECT_FALSE(Check_WebPort_Press(U'8', "0", false).accepted);
    EXPECT_TRUE(Check_WebPort_Press(U'8', "0", true).accepted); // the 8 replaces the selected 0
    EXPECT_TRUE(Check_WebPort_Press(kBackspaceKey, "0", false).accepted);
    EXPECT_TRUE(Check_WebPort_Press(U'0', "80", false).accepted);
    EXPECT_FALSE(Check_WebPort_Press(U'x', "80", false).accepted);
    const KeyPressDecision escape = Check_WebPort_Press(kEscapeKey, "80", false);
    EXPECT_TRUE(escape.closeWindow);
    EXPECT_FALSE(escape.accepted);
}

TEST(KeyPressFilters, CameraNameTakesPrintableAsciiAndNoAmpersandForXmlCameras) {
    for (const char32_t key : {U' ', U'a', U'~', U'&', kBackspaceKey}) {
        EXPECT_TRUE(Check_CameraName_Press(key, false).accepted) << static_cast<int>(key);
    }
    for (const char32_t key : {char32_t{31}, char32_t{127}, U'\xE9', U'\x4E2D'}) {
        EXPECT_FALSE(Check_CameraName_Press(key, false).accepted) << static_cast<int>(key);
    }
    const KeyPressDecision ampersand = Check_CameraName_Press(U'&', true);
    EXPECT_FALSE(ampersand.accepted);
    EXPECT_EQ(ampersand.warning, Warning::key("Paswword_Err_Message"));
    EXPECT_FALSE(Check_CameraName_Press(U'a', true).warning);
    EXPECT_TRUE(Check_CameraName_Press(kEscapeKey, true).closeWindow);
}

TEST(KeyPressFilters, EnterOpensTheWebPageAndEscapeCloses) {
    EXPECT_TRUE(Judge_Enter(kEnterKey).openWebPage);
    EXPECT_FALSE(Judge_Enter(kEnterKey).closeWindow);
    EXPECT_TRUE(Judge_Enter(kEscapeKey).closeWindow);
    EXPECT_FALSE(Judge_Enter(U'a').openWebPage || Judge_Enter(U'a').closeWindow);
    EXPECT_TRUE(Check_Exit(kEscapeKey).closeWindow);
    EXPECT_FALSE(Check_Exit(kEnterKey).closeWindow);
}

} // namespace
} // namespace vistrel
