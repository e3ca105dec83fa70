#pragma once
// The administrator password the selected camera reported in its own settings reply, as the
// DHCP wait compares it with the factory password.

#include "config/camera_configuration.h"

#include <string>

namespace vistrel {

// An XML reply's password, unscrambled, or a fixed-layout reply's credential text (the password
// or its digest text). Empty until the selected camera's own reply has arrived: what another
// camera reported says nothing about this one.
std::string reportedPassword(const CameraConfiguration& config);

} // namespace vistrel
