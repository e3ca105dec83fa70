#pragma once
// The settings reply (code 0x02) in the camera's variant: the compressed XML document at
// offset 84, or the short (398-byte) or long (430-byte) fixed layout.

#include "camsim/camera_state.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vistrel::camsim {

// Offsets of the fixed layouts that differ between the short and the long reply.
struct FixedReplyLayout {
    std::size_t size;
    std::size_t nameSize; // the name starts at 170 in both
    std::size_t dhcpFlag;
    std::size_t keyFormSelector;
    std::size_t firstLongKey;
    std::size_t credential;
    bool carriesFirmwareVersion;
};

inline constexpr FixedReplyLayout kShortReplyLayout{398, 32, 202, 204, 205, 333, false};
inline constexpr FixedReplyLayout kLongReplyLayout{430, 64, 234, 236, 237, 365, true};

// Offsets both fixed layouts share.
inline constexpr std::size_t kReplyNetmask = 74;
inline constexpr std::size_t kReplyGateway = 78;
inline constexpr std::size_t kReplyDns = 82;
inline constexpr std::size_t kReplyWebPort = 88; // big-endian
inline constexpr std::size_t kReplyFirmwareVersion = 91;
inline constexpr std::size_t kReplyFirmwareVersionSize = 5;
inline constexpr std::size_t kReplySsid = 101;
inline constexpr std::size_t kReplyFirstShortKey = 134;
inline constexpr std::size_t kReplyName = 170;
inline constexpr std::size_t kReplyCredentialSize = 64;

// The reply for the camera's variant; empty when the document does not compress.
std::vector<std::uint8_t> encodeSettingsReply(const CameraState& camera);

// The largest camera name a camera of this variant keeps.
std::size_t nameCapacityOf(SettingsVariant variant);

} // namespace vistrel::camsim
