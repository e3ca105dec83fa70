#pragma once
// The admin datagram: one UDP datagram on port 13364 that starts with a 10-byte header
// (target MAC, big-endian command, its one's complement as check word).

#include "base/bytes.h"
#include "protocol/address_text.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace vistrel {

inline constexpr std::uint16_t kAdminPort = 13364;
inline constexpr std::size_t kHeaderSize = 10;
// The wireless record: its write (0x0023) and the camera's reply (0x09) have the same layout.
inline constexpr std::size_t kWirelessRecordSize = 301;
// The largest payload of one UDP datagram over IPv4.
inline constexpr std::size_t kMaxDatagramSize = 65507;

// Commands the finder sends; byte 6 of a request is always zero.
enum class AdminCommand : std::uint16_t {
    SettingsQuery = 0x0002,
    FixedSettingsWrite = 0x0003,
    Discovery = 0x0004,
    WirelessRecordQuery = 0x0009,
    SiteSurvey = 0x000A,
    XmlSettingsWrite = 0x0022,
    WirelessRecordWrite = 0x0023,
    DhcpStatusQuery = 0x0026,
    Command27 = 0x0027,
    LinkTest = 0x0028,
    WpsStart = 0x0029,
    WpsStatusQuery = 0x0030,
};

// Replies: byte 6 non-zero, byte 7 repeats the low byte of the command answered.
enum class ReplyCode : std::uint8_t {
    Settings = 0x02,
    Discovery = 0x04,
    WirelessRecord = 0x09,
    SiteSurvey = 0x0A,
    DhcpStatus = 0x26,
    LinkStatus = 0x28,
    WpsStatus = 0x30,
};

constexpr std::uint16_t checkWordOf(AdminCommand command) {
    return static_cast<std::uint16_t>(~static_cast<std::uint16_t>(command));
}

// Writes MAC, command and check word into the first 10 bytes.
void writeHeader(MutableBytes datagram, const MacAddress& mac, AdminCommand command);

// A zero-filled request of the given length with its header written.
std::vector<std::uint8_t> makeRequest(const MacAddress& mac, AdminCommand command,
                                      std::size_t length = kHeaderSize);

// The reply code of a datagram, or nullopt for requests (byte 6 zero, the finder's own
// broadcasts among them), unknown codes and datagrams too short to carry bytes 6 and 7.
std::optional<ReplyCode> replyCodeOf(Bytes datagram);

MacAddress macOf(Bytes datagram); // bytes 0 to 5, zero where the datagram is shorter

} // namespace vistrel
