#pragma once
// The 301-byte wireless record: the finder's wireless write (command 0x0023) and the camera's
// wireless-record reply (code 0x09) share its layout.

#include "base/byte_layout.h"
#include "camsim/camera_state.h"
#include "camsim/checked.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vistrel::camsim {

// The fields of a record as they stand, for the log and for the checks.
struct WirelessRecordFields {
    std::string ssid;
    std::uint8_t channel = 0;   // as the finder writes it: the decimal digits read as hexadecimal
    std::uint8_t cipher = 0;    // 0 none, 1 WEP 64-bit, 2 WEP 128-bit, 3 TKIP, 4 AES
    std::uint8_t keyFormat = 0; // WEP: 0 characters, 1 hexadecimal digits
    std::uint8_t keyIndex = 0;
    std::string wepKey;
    std::uint8_t mode = 0; // 0 open, 1 WEP, 3 WPA-PSK, 4 WPA2-PSK, 5 WPA-None
    std::string wpaKey;
    std::string digestText; // proves the password to the camera
};

// Reads the fields of a record; bytes missing from a short datagram read as zero.
WirelessRecordFields readWirelessRecord(Bytes datagram);

// The channel number a channel byte stands for: the finder writes channel 11 as 0x11, so a
// byte whose two hexadecimal digits are both decimal digits is read that way; any other byte
// is the number itself.
int channelOfByte(std::uint8_t channel);

// The wireless settings the record asks for, starting from the current ones; refused when the
// security mode, cipher and key do not fit together.
Checked<WirelessSettings> wirelessSettingsOf(const WirelessRecordFields& record,
                                             const WirelessSettings& current);

// The camera's wireless settings as a wireless-record reply; the digest field stays zero.
std::vector<std::uint8_t> encodeWirelessRecordReply(const CameraState& camera);

} // namespace vistrel::camsim
