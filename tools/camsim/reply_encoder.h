#pragma once
// The camera's side of the admin datagrams: the replies a camera sends to the finder's
// queries, laid out byte by byte as the finder's decoders read them.

#include "camsim/camera_state.h"
#include "protocol/admin_datagram.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vistrel::camsim {

// Byte 6 of every reply: any non-zero value marks a reply.
inline constexpr std::uint8_t kReplyMarker = 0x01;

// A zero-filled reply of the given length: the camera's MAC, the marker, the code, and the
// one's complement of bytes 6 and 7 as the check word.
std::vector<std::uint8_t> makeReply(const MacAddress& mac, ReplyCode code, std::size_t length);

// The discovery reply: the camera's name, address, vendor code, device class, model number,
// set-up flags and name-table selector at the offsets of protocol/reply_layouts.h.
std::vector<std::uint8_t> encodeDiscoveryReply(const CameraState& camera);

// 11 bytes: the header and the status byte.
std::vector<std::uint8_t> encodeStatusReply(const MacAddress& mac, ReplyCode code,
                                            std::uint8_t status);

// The header and one entry per network: SSID, text (the BSSID), channel, network type,
// security code and signal at the offsets of protocol/reply_layouts.h.
std::vector<std::uint8_t> encodeSiteSurveyReply(const MacAddress& mac,
                                                const std::vector<SurveyedNetwork>& networks);

} // namespace vistrel::camsim
