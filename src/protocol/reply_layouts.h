#pragma once
// Byte layouts of the replies cameras send. Every decoder copies its layout out of the
// datagram with copyLayout, so a short datagram reads as zeros where it ends.

#include "protocol/address_text.h"
#include "protocol/admin_datagram.h"
#include "protocol/byte_layout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vistrel {

inline constexpr std::size_t kDiscoveryReplySize = 76;
inline constexpr std::size_t kStatusReplySize = 11;
inline constexpr std::size_t kSiteSurveyEntrySize = 55;
inline constexpr std::size_t kShortSettingsReplySize = 398;
inline constexpr std::size_t kLongSettingsReplySize = 430;
inline constexpr std::size_t kXmlSettingsStreamOffset = 84;
inline constexpr std::uint8_t kDeviceClassCamera = 5;

struct DiscoveryReply {
    MacAddress mac{};
    std::string name; // zero-terminated in 32 bytes; all 32 when unterminated
    Ipv4Address ip{};
    std::uint8_t vendorCode = 0;
    std::uint8_t deviceClass = 0;
    std::uint8_t modelNumber = 0;
    std::uint8_t setupFlagA = 0;
    std::uint8_t setupFlagB = 0;
    std::uint8_t nameTableSelector = 0;
};
DiscoveryReply decodeDiscoveryReply(Bytes datagram);

// The status byte at offset 10 of a DHCP, link or WPS status reply.
std::uint8_t decodeStatusByte(Bytes datagram);

struct SiteSurveyEntry {
    std::string ssid;
    std::string text; // not shown
    std::uint8_t channel = 0;
    std::uint8_t networkType = 0; // 1 = ad hoc
    std::uint8_t security = 0;
    std::uint8_t signal = 0;
};
// The complete 55-byte entries after the header; a trailing partial entry is ignored.
std::vector<SiteSurveyEntry> decodeSiteSurveyReply(Bytes datagram);

using WirelessRecord = std::array<std::uint8_t, kWirelessRecordSize>;
WirelessRecord decodeWirelessRecordReply(Bytes datagram);

// True when bytes 84 and 85 carry the wire mark of a compressed settings document.
bool isXmlSettingsReply(Bytes datagram);

} // namespace vistrel
