#pragma once
// Confirm (Image_Settings_OKClick): the three checks, then the settings request in the form the
// selected camera takes. The caller sends what it returns and then starts a new search.

#include "config/camera_configuration.h"
#include "config/warning.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vistrel {

enum class ConfirmStatus {
    Refused,  // a check refused: show its warning; nothing to send, no search, settings mode
    Ready,    // send the datagram, then start a search
    NotBuilt, // the request could not be built (no valid camera MAC, or the compressor failed):
              // show the warning "Settings_Not_Sent"; nothing to send, no search
};

struct ConfirmResult {
    ConfirmStatus status = ConfirmStatus::Refused;
    std::optional<Warning> warning;
    std::vector<std::uint8_t> datagram;
};

// Runs Check_Lan_Settings, Check_Wireless_Settings and Check_Security_Settings in this order
// and stops at the first refusal; checks that passed before it have stored their values. When
// all pass: the LAN tab comes to the front, both password fields are emptied, the panel returns
// to list mode and the request is built: the compressed XML document for a camera in XML mode,
// the short record (624 bytes) for model codes 1 to 18, the long record (720 bytes) with the
// digest of loginPassword, the password typed at login, for the others.
ConfirmResult Image_Settings_OKClick(CameraConfiguration& config, std::string_view loginPassword,
                                     bool rowSelected);

} // namespace vistrel
