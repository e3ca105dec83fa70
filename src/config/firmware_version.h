#pragma once
// The firmware version of a long-layout camera decides whether its site survey uses the newer
// security modes.

#include <cstdint>
#include <string_view>

namespace vistrel {

// What a camera that reports no version counts as.
inline constexpr std::string_view kNoFirmwareVersion = "v0.00";

// "v1.10" gives 110, "v1.8" gives 108: the character after the "v" and the (up to) two
// characters after the dot, a single one with a "0" in front, read as one decimal number.
// Text that does not read as a number gives 0.
int firmwareVersionNumber(std::string_view version);

// Model codes 34 and 35 from version 111, 22 to 27 from 108, 19 to 21 from 111 and 28 to 30
// from 110; no other model.
bool hasExtendedSecurityModes(std::uint8_t modelCode, int versionNumber);

} // namespace vistrel
