#pragma once
// Check_Security_Settings: the camera name and the new administrator password with its
// confirmation, and their hand-over into the settings records.

#include "config/camera_configuration.h"
#include "config/warning.h"

#include <cstddef>

namespace vistrel {

// The shortest new password, in characters.
inline constexpr std::size_t kShortestPassword = 4;

// The name must not be empty; a fixed-layout camera gets it in both records. An XML-mode camera
// gets its current password back instead, unscrambled and escaped, in the short record's
// password field, for the next document. Two empty password fields keep the password. Otherwise
// both must be equal and at least 4 characters long, and the new password goes into both
// records (escaped for an XML-mode camera). A name or password that does not fit its record
// field is refused rather than cut: a cut password would lock the owner out. After a password
// warning both password fields are emptied.
CheckResult Check_Security_Settings(CameraConfiguration& config);

} // namespace vistrel
