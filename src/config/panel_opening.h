#pragma once
// Opening the settings panel: configure prepares the login that guards it,
// and LoadPanelFromCamera fills it from the selected camera once the login passed.

#include "config/camera_configuration.h"
#include "config/warning.h"
#include "discovery/camera_list.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vistrel {

// Longest camera name and password a camera takes, in characters.
struct LengthLimits {
    int cameraName;
    int password;

    bool operator==(const LengthLimits&) const = default;
};

// Model codes 19 to 26 take 63 and 63; the five long-password models 31 and 63; others 31
// and 12.
LengthLimits lengthLimitsFor(std::uint8_t modelCode, std::string_view modelName);
// The limits of a camera opened for its set-up.
inline constexpr LengthLimits kSetupLengthLimits{63, 63};
// The name limit goes to the name field, the password limit to both password fields.
void applyLengthLimits(SettingsPanel& panel, LengthLimits limits);

// What the login dialog needs to open for configuration.
struct ConfigureLogin {
    std::string userName; // the selected row's camera name
    int passwordMaxLength = 0;
};

struct ConfigureResult {
    std::optional<Warning> warning; // no camera selected: nothing changed
    ConfigureLogin login;
};

// Configure: sets the panel's limits from the selected camera, shows the wireless tab only for
// a camera in XML mode and brings the LAN tab to the front. The caller then re-applies the
// language and opens the login for configuration; its success runs LoadPanelFromCamera.
ConfigureResult prepareConfigureLogin(CameraConfiguration& config,
                                      const CameraListRow* selectedRow);

// Settings mode, page 9 of the wizard usable, the DHCP choice of all four radio pairs from the
// camera, the address fields, web port and camera name from its record, and the new password
// fields empty.
void LoadPanelFromCamera(CameraConfiguration& config);

} // namespace vistrel
