#pragma once
// The requests that put a camera on a wireless network: the 301-byte wireless record that page
// 6's OK builds from the chosen network and its key, and the WPS start request of page 11.

#include "protocol/reply_layouts.h"
#include "protocol/request_templates.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

// Offsets of the wireless record.
inline constexpr std::size_t kWirelessSsid = 10;
inline constexpr std::size_t kWirelessSsidSize = 33; // 32 characters and a terminating zero
inline constexpr std::size_t kWirelessChannel = 61;
inline constexpr std::size_t kWirelessFixedTwo = 62;
inline constexpr std::size_t kWirelessCipher = 63;
inline constexpr std::size_t kWirelessKeyFormat = 64;
inline constexpr std::size_t kWirelessKeyIndex = 65;
inline constexpr std::size_t kWirelessWepKey = 66;
inline constexpr std::size_t kWirelessWepKeySlotSize = 26;
inline constexpr std::size_t kWirelessMode = 171;
inline constexpr std::size_t kWirelessPreSharedKey = 172;
inline constexpr std::size_t kWirelessPreSharedKeySize = 65;
inline constexpr std::size_t kWirelessDigestText = 237;

// What page 6 holds when OK is pressed: the SSID label, the key as typed (8-bit), and the
// Encryption and channel texts of the survey row of that SSID, if the list has one.
struct WirelessChoice {
    std::string ssid;
    std::string key;
    std::optional<std::string> encryption;
    std::string channel;
};

// Page 6's OK: the record to send once, or the key of the warning that refuses it.
struct WirelessRequest {
    std::string warningKey; // empty when the record is ready
    WirelessRecord record{};

    bool ready() const { return warningKey.empty(); }
};

// Mode and cipher bytes of a WPA security name in the extended or the basic list; names without
// a meaning in the list give 0 and 0.
struct SecurityBytes {
    std::uint8_t mode = 0;
    std::uint8_t cipher = 0;

    bool operator==(const SecurityBytes&) const = default;
};
SecurityBytes securityBytesOf(std::string_view securityName, bool extendedSecurityModes);

// The channel text of a survey row read as hexadecimal digits, as the camera takes it: "6"
// gives 6, "11" gives 0x11. Reading stops at the first other character; the low byte is kept.
std::uint8_t channelByteOf(std::string_view channelText);

// Builds the wireless record after WirelessSetHeader (which carries the camera's MAC). The key
// length rules: none for "Disabled"; 5, 10, 13 or 26 characters for WEP; 8 to 64 for the
// others. defaultDigestText proves the factory password to the camera.
WirelessRequest buildWirelessRequest(const WirelessChoice& choice, bool extendedSecurityModes,
                                     std::string_view defaultDigestText,
                                     const Request<kWirelessRecordSize>& header);

// The 74-byte WPS start request of the camera the templates address, with the digest text.
std::vector<std::uint8_t> wpsStartRequest(RequestTemplates& templates,
                                          std::string_view defaultDigestText);

} // namespace vistrel
