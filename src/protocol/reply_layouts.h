#pragma once
// Byte layouts of the replies cameras send. Every decoder copies its layout out of the
// datagram into a fixed-size array, so a short datagram reads as zeros where it ends.

#include "base/bytes.h"
#include "protocol/address_text.h"
#include "protocol/admin_datagram.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vistrel {

// The discovery reply (code 0x04): the header, then the camera's name, address and identity.
inline constexpr std::size_t kDiscoveryReplySize = 76;
inline constexpr std::size_t kDiscoveryName = 10;
inline constexpr std::size_t kDiscoveryNameSize = 32;
inline constexpr std::size_t kDiscoveryAddress = 42;
inline constexpr std::size_t kDiscoveryVendorCode = 66;
inline constexpr std::size_t kDiscoveryDeviceClass = 68;
inline constexpr std::size_t kDiscoveryModelNumber = 69;
inline constexpr std::size_t kDiscoverySetupFlagA = 70;
inline constexpr std::size_t kDiscoverySetupFlagB = 71;
inline constexpr std::size_t kDiscoveryNameTableSelector = 75;

// The DHCP, link and WPS status replies: the header and one status byte.
inline constexpr std::size_t kStatusReplySize = 11;
inline constexpr std::size_t kStatusByte = 10;

// The site-survey reply (code 0x0A): the header, then one 55-byte entry per network.
inline constexpr std::size_t kSiteSurveyEntrySize = 55;
inline constexpr std::size_t kSurveySsid = 0;
inline constexpr std::size_t kSurveySsidSize = 33;
inline constexpr std::size_t kSurveyText = 33;
inline constexpr std::size_t kSurveyTextSize = 18;
inline constexpr std::size_t kSurveyChannel = 51;
inline constexpr std::size_t kSurveyNetworkType = 52;
inline constexpr std::size_t kSurveySecurity = 53;
inline constexpr std::size_t kSurveySignal = 54;
inline constexpr std::uint8_t kAdHocNetworkType = 1;

inline constexpr std::size_t kShortSettingsReplySize = 398;
inline constexpr std::size_t kLongSettingsReplySize = 430;
inline constexpr std::size_t kXmlSettingsStreamOffset = 84;
inline constexpr std::uint8_t kDeviceClassCamera = 5;

struct DiscoveryReply {
    MacAddress mac{};
    std::string name; // zero-terminated in its 32 bytes; all 32 when unterminated
    Ipv4Address ip{};
    std::uint8_t vendorCode = 0;
    std::uint8_t deviceClass = 0;
    std::uint8_t modelNumber = 0;
    std::uint8_t setupFlagA = 0;
    std::uint8_t setupFlagB = 0;
    std::uint8_t nameTableSelector = 0;
};
DiscoveryReply decodeDiscoveryReply(Bytes datagram);

// The status byte of a DHCP, link or WPS status reply.
std::uint8_t decodeStatusByte(Bytes datagram);

struct SiteSurveyEntry {
    std::string ssid;
    std::string text; // not shown
    std::uint8_t channel = 0;
    std::uint8_t networkType = 0; // kAdHocNetworkType for an ad-hoc network
    std::uint8_t security = 0;
    std::uint8_t signal = 0;
};
// The complete entries after the header; a trailing partial entry is ignored.
std::vector<SiteSurveyEntry> decodeSiteSurveyReply(Bytes datagram);

using WirelessRecord = std::array<std::uint8_t, kWirelessRecordSize>;
WirelessRecord decodeWirelessRecordReply(Bytes datagram);

// True when bytes 84 and 85 carry the wire mark of a compressed settings document.
bool isXmlSettingsReply(Bytes datagram);

} // namespace vistrel
