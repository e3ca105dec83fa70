#pragma once
// What a settings write asks to change, whichever form it came in, and the rules a camera
// applies before taking it.

#include "camsim/camera_description.h"
#include "camsim/checked.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vistrel::camsim {

// Longest password the camera keeps: the password digest hashes at most 64 bytes of it.
inline constexpr std::size_t kMaxPasswordSize = 64;

struct SettingsChange {
    std::optional<std::string> name;
    std::optional<bool> dhcp;
    std::optional<Ipv4Address> ip;
    std::optional<Ipv4Address> netmask;
    std::optional<Ipv4Address> gateway;
    std::optional<Ipv4Address> dns;
    std::optional<std::uint16_t> webPort;
    std::optional<std::string> userName;
    std::optional<std::string> password; // a new password; absent keeps the current one
    std::optional<WirelessSettings> wireless;
};

// The settings after the change. Refused when the name is empty or longer than nameCapacity,
// the web port is 0, the new password is too long, or a fixed address is 0.0.0.0. With DHCP
// the address fields of the write are not used: the camera keeps the address its DHCP
// server gives it, which in this simulation is the one it has.
Checked<CameraSettings> applySettingsChange(const CameraSettings& current,
                                            const SettingsChange& change, std::size_t nameCapacity);

} // namespace vistrel::camsim
