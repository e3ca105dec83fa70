#pragma once
// The XML settings document: the camera writes it into its settings replies and reads the
// finder's settings writes (command 0x0022) from it.

#include "camsim/camera_state.h"
#include "camsim/checked.h"
#include "camsim/settings_change.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vistrel::camsim {

// The finder inflates a reply's document into 1024 bytes with a terminator.
inline constexpr std::size_t kMaxReplyDocumentSize = 1023;

// Root "adminBCB" with DHCP, ip, netmask, gateway, dns1, webPort, mac, cameraName, userName,
// userPassword (the plain password) and firmwareVersion, and last the wireless group, whose
// position is what the finder goes by. Texts are escaped; there is no declaration.
std::string composeReplyDocument(const CameraState& camera);

// The change a settings write's document asks for. Refused when it is not XML, names another
// camera's MAC, or holds a value that is not a number or address of the expected range.
// Elements the document leaves out keep their values; unknown elements are skipped.
Checked<SettingsChange> settingsChangeOfDocument(std::string_view document,
                                                 std::string_view cameraMacText,
                                                 const WirelessSettings& currentWireless);

} // namespace vistrel::camsim
