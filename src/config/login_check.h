#pragma once
// The login dialog's check of the typed administrator password (its OK) against
// what the selected camera reported about itself in its settings reply.

#include "config/camera_configuration.h"
#include "config/warning.h"

#include <optional>
#include <string_view>

namespace vistrel {

enum class LoginOutcome {
    Refused,          // show the warning; nothing opens
    PassedByPassword, // the typed password is the one the camera reported
    PassedByDigest,   // the typed password gives the digest text the camera reported
};

struct LoginResult {
    LoginOutcome outcome = LoginOutcome::Refused;
    std::optional<Warning> warning;

    bool passed() const { return outcome != LoginOutcome::Refused; }
};

// Nothing passes before the selected camera's own settings reply has told its password: a
// password learnt from another camera, or none at all, opens nothing. A camera in XML mode is
// checked against the password of its reply. A fixed-layout camera is checked against its
// credential text, first as it stands, then as the digest text of the typed password for its
// MAC (without regard to case); a digest match marks the login digest-verified and puts the
// typed password into the long record's password field. Whatever the outcome, the dialog
// closes; on a pass the caller continues with PreviewMode.
LoginResult checkLoginPassword(CameraConfiguration& config, std::string_view typedPassword);

} // namespace vistrel
