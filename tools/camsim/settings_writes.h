#pragma once
// Decoding and checking the two settings writes: the compressed XML document (command 0x0022)
// and the short or long fixed-layout record (command 0x0003).

#include "base/byte_layout.h"
#include "camsim/camera_state.h"
#include "camsim/checked.h"
#include "camsim/json_text.h"
#include "camsim/settings_change.h"
#include "protocol/settings_records.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace vistrel::camsim {

// The most a settings write's document may inflate to.
inline constexpr std::size_t kMaxWriteDocumentSize = std::size_t{64} * 1024;

// The document of an XML settings write. Refused unless the compressed length at 10 equals
// the bytes that follow offset 18, the stream starts with 0xAC 0xED, it inflates, and the
// document length at 14 is what it inflated to. Lengths go into fields for the log.
Checked<std::string> documentOfXmlWrite(Bytes datagram, JsonObject& fields);

// The fields of a fixed-layout record as the finder wrote them.
struct FixedRecordFields {
    std::string name;
    Ipv4Address ip{};
    Ipv4Address netmask{};
    Ipv4Address gateway{};
    Ipv4Address dns{};
    std::uint16_t webPort = 0;
    std::uint8_t dhcpFlag = 0;
    std::string password;
    std::string digestText; // long records only
};

FixedRecordFields readFixedRecord(Bytes datagram, const SettingsRecordLayout& layout);
JsonObject logFieldsOf(const FixedRecordFields& record, bool longRecord);

// The change a fixed-layout record asks for. The password field keeps the current password
// when it is empty or holds what the camera reported: the finder fills the record from the
// settings reply, so an unchanged password comes back as the password or its digest text.
SettingsChange changeOfFixedRecord(const FixedRecordFields& record, const CameraState& camera);

} // namespace vistrel::camsim
