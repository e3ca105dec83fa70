#pragma once
// The options of --configure typed into the settings panel opened for the camera, as the
// window's fields take typed text: each field's key filter decides every character and its
// maximum length, in characters as the widgets count them, how many. What the key filters and
// limits pass, the settings checks of the confirm operation judge.

#include "cli/command_line_options.h"
#include "cli/password_prompt.h"
#include "config/camera_configuration.h"
#include "config/warning.h"

#include <string_view>

namespace vistrel {

// Characters of an 8-bit text in the system's code page, counted as a text field counts them.
int characterCount(std::string_view text);

// The outcome of typing the options: a refusal names the option whose value was refused.
struct InputResult {
    CheckResult check;
    std::string_view option;

    bool passed() const { return check.passed(); }
};

// The address options choose DHCP or a fixed address as the wizard's radios do, and each
// address given goes into its four fields; --port goes into the web port field and --name into
// the name field. What is not given keeps what the camera reported. A camera that stays on
// DHCP gets its new port checked and stored here, since the LAN check looks at nothing but
// the DHCP choice then. Returns the first refusal.
InputResult typeChanges(CameraConfiguration& config, const ConfigureChanges& changes);

// The new password and its repetition into the two password fields. An empty new password is
// refused as too short: the checks would take two empty fields as "keep the password", which
// is not what --change-password asks for.
CheckResult typeNewPassword(SettingsPanel& panel, const SecretText& password,
                            const SecretText& confirmation);

} // namespace vistrel
