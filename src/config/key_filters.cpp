#include "config/key_filters.h"

#include "config/decimal_text.h"
#include "config/warning_keys.h"

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

} // namespace

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

} // namespace vistrel
