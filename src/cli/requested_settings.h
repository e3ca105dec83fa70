#pragma once
// What --configure asked a camera to take, and whether the camera, once back, reports it.

#include "config/camera_configuration.h"

#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

struct RequestedSettings {
    bool dhcp = false;
    // Dotted, without blanks; compared only for a fixed address, since DHCP chooses its own.
    std::string ip;
    std::string netmask;
    std::string gateway;
    std::string dns;
    int webPort = 0;
    std::string name;
};

// Read from the panel after the changes went in and the checks passed, before the confirm
// operation empties its password fields.
RequestedSettings requestedSettingsOf(const CameraConfiguration& config);

// The requested settings the camera's reply does not show, one "what reported (asked ...)"
// text each, and the password when the camera's reply does not prove it; empty when the
// camera took them all. The password is checked as the login checks it.
std::vector<std::string> differencesFrom(const RequestedSettings& asked,
                                         CameraConfiguration& reported,
                                         std::string_view expectedPassword);

} // namespace vistrel
