#include "config/key_filters.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

constexpr int kDigit3 = '3';     // virtual key of the top-row 3
constexpr int kKeypad9 = 96 + 9; // virtual key of the keypad 9
constexpr int kLetterA = 'A';

TEST(KeyPressFilters, AcceptTheirCharacters) {
    const struct {
        const char* name;
        KeyPressDecision (*filter)(char32_t);
        std::u32string accepted;
        std::u32string refused;
    } filters[] = {
        {"octet", Check_Num_Press, U"0189\b", U"a .-+\x1B\xE9"},
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

struct OctetKeyUp : ::testing::Test {
    SettingsPanel panel;
};

TEST_F(OctetKeyUp, AThreeDigitValueMovesOnToTheNextField) {
    panel.MEMO_SETTING_IP2_EDIT.text = "253"; // 25, then the 3
    const KeyUpDecision decision = Check_Key_Up(panel, "MEMO_SETTING_IP2_EDIT", kDigit3);
    EXPECT_EQ(decision.focus, "MEMO_SETTING_IP3_EDIT");
    EXPECT_TRUE(decision.selectAll);
    EXPECT_FALSE(decision.warning);

    panel.MEMO_SETTING_DNS4_EDIT.text = "100";
    EXPECT_EQ(Check_Key_Up(panel, "MEMO_SETTING_DNS4_EDIT", kKeypad9).focus,
              "MEMO_SETTING_WebPort_EDIT");
    panel.MEMO_SETTING_IP4_EDIT.text = "100"; // the last address field keeps the focus
    EXPECT_EQ(Check_Key_Up(panel, "MEMO_SETTING_IP4_EDIT", kDigit3).focus, "");
    panel.MEMO_SETTING_IP1_EDIT.text = "99";
    EXPECT_EQ(Check_Key_Up(panel, "MEMO_SETTING_IP1_EDIT", kDigit3).focus, "");
    panel.MEMO_SETTING_IP1_EDIT.text = "100";
    EXPECT_EQ(Check_Key_Up(panel, "MEMO_SETTING_IP1_EDIT", kLetterA).focus, "");
}

TEST_F(OctetKeyUp, AValueAbove255WarnsAndLeaves255Selected) {
    panel.MEMO_SETTING_GATEWAY3_EDIT.text = "259";
    const KeyUpDecision decision = Check_Key_Up(panel, "MEMO_SETTING_GATEWAY3_EDIT", kKeypad9);
    EXPECT_EQ(decision.warning, Warning::fixedText("0  ~   255"));
    EXPECT_EQ(panel.MEMO_SETTING_GATEWAY3_EDIT.text, "255");
    EXPECT_EQ(decision.focus, "");
    EXPECT_TRUE(decision.selectAll);
    // The same in the last address field.
    panel.MEMO_SETTING_IP4_EDIT.text = "999";
    EXPECT_TRUE(Check_Key_Up(panel, "MEMO_SETTING_IP4_EDIT", kDigit3).warning);
    EXPECT_EQ(panel.MEMO_SETTING_IP4_EDIT.text, "255");
}

TEST_F(OctetKeyUp, PastedTextIsLeftToTheLanCheck) {
    panel.MEMO_SETTING_IP2_EDIT.text = "9x9";
    const KeyUpDecision decision = Check_Key_Up(panel, "MEMO_SETTING_IP2_EDIT", kDigit3);
    EXPECT_FALSE(decision.warning);
    EXPECT_EQ(decision.focus, "");
    EXPECT_EQ(panel.MEMO_SETTING_IP2_EDIT.text, "9x9");
    // Fields that are not octet fields are not this filter's.
    panel.MEMO_SETTING_WebPort_EDIT.text = "8080";
    EXPECT_FALSE(Check_Key_Up(panel, "MEMO_SETTING_WebPort_EDIT", kDigit3).warning);
    EXPECT_EQ(panel.MEMO_SETTING_WebPort_EDIT.text, "8080");
}

TEST_F(OctetKeyUp, TabIntoTheNetmaskFillsItFromTheAddressClass) {
    const struct {
        const char* firstOctet;
        std::array<const char*, 4> netmask;
        std::string_view focus;
    } cases[] = {
        {"10", {"255", "0", "0", "0"}, "MEMO_SETTING_NETMASK1_EDIT"},
        {"126", {"255", "0", "0", "0"}, "MEMO_SETTING_NETMASK1_EDIT"},
        {"127", {"255", "255", "0", "0"}, "MEMO_SETTING_NETMASK2_EDIT"},
        {"172", {"255", "255", "0", "0"}, "MEMO_SETTING_NETMASK2_EDIT"},
        {"192", {"255", "255", "255", "0"}, "MEMO_SETTING_NETMASK3_EDIT"},
        {"223", {"255", "255", "255", "0"}, "MEMO_SETTING_NETMASK3_EDIT"},
        {"224", {"1", "2", "3", "4"}, ""}, // nothing changes
        {"", {"1", "2", "3", "4"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.firstOctet);
        panel.MEMO_SETTING_IP1_EDIT.text = c.firstOctet;
        const std::array<const char*, 4> before{"1", "2", "3", "4"};
        const auto fields = panel.octetFields(AddressGroup::Netmask);
        for (std::size_t i = 0; i < 4; ++i) {
            fields[i]->text = before[i];
        }
        const KeyUpDecision decision =
            Check_Key_Up(panel, "MEMO_SETTING_NETMASK1_EDIT", kTabVirtualKey);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(fields[i]->text, c.netmask[i]) << i;
        }
        EXPECT_EQ(decision.focus, c.focus);
        EXPECT_TRUE(decision.selectAll);
    }
    // Tab into any other field does nothing.
    panel.MEMO_SETTING_IP1_EDIT.text = "10";
    const KeyUpDecision elsewhere =
        Check_Key_Up(panel, "MEMO_SETTING_GATEWAY1_EDIT", kTabVirtualKey);
    EXPECT_FALSE(elsewhere.selectAll);
    EXPECT_EQ(panel.MEMO_SETTING_NETMASK1_EDIT.text, "1");
}

} // namespace
} // namespace vistrel
