#pragma once
// Decoding of the settings reply (code 0x02). A camera answers the settings query either with
// its settings as a compressed XML document at offset 84, or with one of two fixed layouts. The
// reply does not say which fixed layout it has: the selected camera's model code decides.

#include "base/byte_layout.h"
#include "protocol/address_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vistrel {

// The document is inflated into a 1024-byte buffer that keeps room for its terminator.
inline constexpr std::size_t kMaxSettingsDocumentSize = 1023;

// One element of the document: its name and its text.
struct SettingsElement {
    std::string name;
    std::string text;

    bool operator==(const SettingsElement&) const = default;
};

// The document as the finder reads it: the root's child elements in order, all but the last
// one, and the children of that last one, which is the wireless group whatever its name.
// An element without text reads "0" outside the wireless group and "" inside it.
struct XmlSettingsReply {
    std::vector<SettingsElement> elements;
    std::vector<SettingsElement> wireless;
};

// The document of an XML settings reply; nullopt when the stream does not inflate into
// kMaxSettingsDocumentSize bytes, the document does not parse or its root has no child element.
// Texts keep their 8-bit bytes as the camera sent them.
std::optional<XmlSettingsReply> decodeXmlSettingsReply(Bytes datagram);

enum class FixedReplyForm {
    Short, // 398 bytes, model codes 1 to 18
    Long,  // 430 bytes, every other model code
};

FixedReplyForm fixedReplyFormOf(std::uint8_t modelCode);

// Every field of a fixed-layout settings reply. The fields marked "echoed" mean nothing to the
// finder: it copies them into its settings record so that a settings write sends them back.
struct FixedSettingsReply {
    FixedReplyForm form = FixedReplyForm::Long;
    MacAddress mac{};
    std::array<std::uint8_t, 32> firstText{};  // echoed
    std::array<std::uint8_t, 32> secondText{}; // echoed
    Ipv4Address netmask{};
    Ipv4Address gateway{};
    Ipv4Address dns{};
    std::array<std::uint8_t, 2> echoedValue{}; // a 16-bit value, echoed as it stands
    std::array<std::uint8_t, 2> webPort{};     // big-endian, as it stands
    std::uint8_t byteAt90 = 0;                 // echoed
    std::string firmwareVersion;               // long form only: 5 bytes at 91, e.g. "v1.10"
    std::array<std::uint8_t, 5> fiveBytes{};   // echoed
    std::array<std::uint8_t, 33> ssid{};
    std::array<std::uint8_t, 17> firstShortKey{};
    std::array<std::uint8_t, 17> secondShortKey{};
    std::uint8_t byteAt168 = 0; // echoed
    std::uint8_t byteAt169 = 0; // echoed
    // 32 bytes in the short form, 64 in the long one; the short form leaves the rest zero.
    std::array<std::uint8_t, 64> cameraName{};
    std::uint8_t dhcpFlag = 0; // 1 = DHCP
    std::uint8_t byteAfterDhcpFlag = 0;
    std::uint8_t keyFormSelector = 0; // non-zero: the long key texts apply
    std::array<std::uint8_t, 48> firstLongKey{};
    std::array<std::uint8_t, 48> secondLongKey{};
    std::array<std::uint8_t, 32> echoedText{};
    // The administrator password or its 32-character digest text.
    std::array<std::uint8_t, 64> passwordCredential{};

    std::string cameraNameText() const;
    std::string passwordCredentialText() const;
    std::uint16_t webPortNumber() const;
};

// Reads the reply in the given form. A datagram shorter than its form reads as zero bytes
// where it ends.
FixedSettingsReply decodeFixedSettingsReply(Bytes datagram, FixedReplyForm form);

} // namespace vistrel
