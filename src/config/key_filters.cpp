#include "config/key_filters.h"

#include "config/decimal_text.h"
#include "config/warning_keys.h"

#include <array>

namespace vistrel {

namespace {

bool isDigit(char32_t key) {
    return key >= U'0' && key <= U'9';
}

KeyPressDecision acceptedIf(bool accepted) {
    KeyPressDecision decision;
    decision.accepted = accepted;
    return decision;
}

KeyPressDecision refused() {
    return acceptedIf(false);
}

// Escape in a field: the character goes nowhere and the window closes.
KeyPressDecision closesWindow(bool close) {
    KeyPressDecision decision;
    decision.accepted = !close;
    decision.closeWindow = close;
    return decision;
}

// Digit keys of the top row (48 to 57) and of the numeric keypad (96 to 105).
bool isDigitVirtualKey(int key) {
    return (key >= 48 && key <= 57) || (key >= 96 && key <= 105);
}

constexpr std::string_view kLastAddressField = "MEMO_SETTING_IP4_EDIT";
constexpr std::string_view kFirstNetmaskField = "MEMO_SETTING_NETMASK1_EDIT";

KeyUpDecision afterDigit(EditControl& field, std::string_view fieldName) {
    const auto value = digitsValue(field.text);
    if (!value) {
        return {}; // pasted text: the LAN check refuses it
    }
    if (*value > 255) {
        field.text = "255";
        return {Warning::fixedText(warning_texts::kOctetRange), {}, true};
    }
    if (*value >= 100 && fieldName != kLastAddressField) {
        return {std::nullopt, SettingsPanel::nextOctetFieldName(fieldName), true};
    }
    return {};
}

// The netmask of the address's class: A up to 126, B from 127, C from 192; the focus goes to
// the first netmask field left to edit.
KeyUpDecision fillNetmask(SettingsPanel& panel) {
    struct ClassNetmask {
        std::uint32_t first;
        std::uint32_t last;
        std::array<const char*, 4> netmask;
        std::string_view focus;
    };
    static constexpr ClassNetmask kClasses[] = {
        {1, 126, {"255", "0", "0", "0"}, "MEMO_SETTING_NETMASK1_EDIT"},
        {127, 191, {"255", "255", "0", "0"}, "MEMO_SETTING_NETMASK2_EDIT"},
        {192, 223, {"255", "255", "255", "0"}, "MEMO_SETTING_NETMASK3_EDIT"},
    };
    const auto firstOctet = digitsValue(panel.MEMO_SETTING_IP1_EDIT.text);
    for (const ClassNetmask& c : kClasses) {
        if (firstOctet && *firstOctet >= c.first && *firstOctet <= c.last) {
            const auto fields = panel.octetFields(AddressGroup::Netmask);
            for (std::size_t i = 0; i < fields.size(); ++i) {
                fields[i]->text = c.netmask[i];
            }
            return {std::nullopt, c.focus, true};
        }
    }
    return {std::nullopt, {}, true};
}

} // namespace

KeyPressDecision Check_Num_Press(char32_t key) {
    return acceptedIf(isDigit(key) || key == kBackspaceKey);
}

KeyPressDecision Check_WebPort_Press(char32_t key, std::string_view fieldText, bool textSelected) {
    if (key == kEscapeKey) {
        return closesWindow(true);
    }
    if (!isDigit(key) && key != kBackspaceKey) {
        return refused();
    }
    const bool loneZero = !fieldText.empty() && digitsValue(fieldText) == 0u;
    return acceptedIf(!(loneZero && !textSelected && key != kBackspaceKey));
}

KeyPressDecision Check_CameraName_Press(char32_t key, bool xmlMode) {
    if (key == kEscapeKey) {
        return closesWindow(true);
    }
    if (key == U'&' && xmlMode) {
        KeyPressDecision decision = refused();
        decision.warning = Warning::key(warning_keys::kAmpersandRefused);
        return decision;
    }
    return acceptedIf((key >= 32 && key <= 126) || key == kBackspaceKey);
}

KeyPressDecision Judge_Enter(char32_t key) {
    KeyPressDecision decision = closesWindow(key == kEscapeKey);
    decision.openWebPage = key == kEnterKey;
    return decision;
}

KeyPressDecision Check_Exit(char32_t key) {
    return closesWindow(key == kEscapeKey);
}

KeyPressDecision Edit_KeyPress(char32_t key) {
    return acceptedIf(isDigit(key) || key == U'.' || key == kBackspaceKey);
}

KeyUpDecision Check_Key_Up(SettingsPanel& panel, std::string_view focusedField, int virtualKey) {
    if (isDigitVirtualKey(virtualKey)) {
        EditControl* field = panel.edit(focusedField);
        const bool isOctetField = !SettingsPanel::nextOctetFieldName(focusedField).empty();
        return field && isOctetField ? afterDigit(*field, focusedField) : KeyUpDecision{};
    }
    if (virtualKey == kTabVirtualKey && focusedField == kFirstNetmaskField) {
        return fillNetmask(panel);
    }
    return {};
}

} // namespace vistrel
