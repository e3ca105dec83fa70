#pragma once
// Page 5's OK, the end of a new camera's set-up: the set-up mark, the camera's name and
// password through the settings panel, and what the finish window then shows.

#include "config/camera_configuration.h"
#include "config/settings_confirmation.h"
#include "config/warning.h"
#include "config/wizard_settings_pages.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

// The set-up mark goes out this many times in a row, since no answer confirms it.
inline constexpr int kSetupMarkRepeats = 3;

struct SetupCompletion {
    // Check_Security_Settings or the confirm refused, or the settings could not be built: show
    // the warning; page 5 stays and nothing is sent, the set-up mark neither.
    std::optional<Warning> warning;
    // Command 0x0027: 11 bytes, or 75 with the factory password's digest text when the camera
    // reported that digest. Sent kSetupMarkRepeats times before the settings.
    std::vector<std::uint8_t> setupMark;
    // When the camera reported its factory password, plainly or as its digest: the password the
    // login now holds, the factory one, which the settings request proves to the camera.
    std::optional<std::string> loginPassword;
    // The settings with the new name and password, ready to send after the mark.
    ConfirmResult confirm;
    std::string link; // the camera's dynamic-DNS address

    bool staysOnPage() const { return warning.has_value(); }
};

// Page 5's OK: opens the panel for the camera, puts the page's name and passwords and the
// camera's addresses into it and checks them. A camera that reported the factory password's
// digest text (digestVerified) gets the long set-up mark, and the password field of its settings
// carries the new password (the factory one when none was typed); any other camera gets the
// short mark. The settings prove the factory password when the camera reported it, plainly or
// as its digest, and loginPassword otherwise.
SetupCompletion completeSetup(CameraConfiguration& config, const WizardNameTexts& texts,
                              bool digestVerified, std::string_view loginPassword,
                              bool rowSelected);

// "http://", the twelve hexadecimal digits of the MAC text as they stand, ".", our dynamic-DNS
// domain.
std::string dynamicDnsLink(std::string_view macText);

// The finish window's message: the camera name as typed, an empty line, the two completion
// texts on their own lines, an empty line.
std::u16string completionMessage(std::u16string_view cameraName, std::u16string_view complete1,
                                 std::u16string_view complete2);

} // namespace vistrel
