#pragma once
// The keyboard rules of the settings fields, the camera list and the wizard's address edits, as
// decisions: the window that received the key applies them (discards the character, shows the
// warning, closes itself or opens the web page).

#include "config/warning.h"

#include <optional>
#include <string_view>

namespace vistrel {

// Characters of key presses.
inline constexpr char32_t kBackspaceKey = 8;
inline constexpr char32_t kEnterKey = 13;
inline constexpr char32_t kEscapeKey = 27;

struct KeyPressDecision {
    bool accepted = true; // false: the typed character is discarded
    std::optional<Warning> warning;
    bool closeWindow = false; // close the window the field is on
    bool openWebPage = false; // run the web page launch for the selected camera
};

// Web port: digits and Backspace; a lone 0 takes no further digit unless it is selected, so
// no port starts with a zero. Escape closes the main window.
KeyPressDecision Check_WebPort_Press(char32_t key, std::string_view fieldText, bool textSelected);
// Camera name: printable ASCII and Backspace; "&" is refused with a warning for a camera in XML
// mode. Escape closes the main window.
KeyPressDecision Check_CameraName_Press(char32_t key, bool xmlMode);
// Camera list: Enter opens the selected camera's web page, Escape closes the main window.
KeyPressDecision Judge_Enter(char32_t key);
// Language lists and the login's password field: Escape closes their window.
KeyPressDecision Check_Exit(char32_t key);
// The wizard's address edits: digits, "." and Backspace.
KeyPressDecision Edit_KeyPress(char32_t key);

} // namespace vistrel
