#pragma once
// The fixed-layout settings records that older cameras take as their settings write
// (command 0x0003). Both start zero-filled; the settings reply of a camera copies its current
// values into them, the validation writes the edited values.

#include <array>
#include <cstddef>
#include <cstdint>

namespace vistrel {

struct SettingsRecordLayout {
    std::size_t size;
    std::size_t name;
    std::size_t nameSize;
    std::size_t ip;
    std::size_t netmask;
    std::size_t gateway;
    std::size_t dns;
    std::size_t webPort; // big-endian
    std::size_t dhcpFlag;
    std::size_t password;
};

inline constexpr std::size_t kRecordPasswordSize = 64;

inline constexpr SettingsRecordLayout kShortRecordLayout{624, 10, 32, 42, 46, 50, 54, 60, 201, 560};
inline constexpr SettingsRecordLayout kLongRecordLayout{720, 10, 64, 74, 78, 82, 86, 92, 233, 592};

// The long record also carries the digest text of the password in use.
inline constexpr std::size_t kLongRecordDigestText = 656;

using ShortSettingsRecord = std::array<std::uint8_t, kShortRecordLayout.size>;
using LongSettingsRecord = std::array<std::uint8_t, kLongRecordLayout.size>;

// Model codes 1 to 18 take the short record; every other code the long one.
constexpr bool usesShortSettingsLayout(std::uint8_t modelCode) {
    return modelCode >= 1 && modelCode <= 18;
}

} // namespace vistrel
