#include "camsim/settings_writes.h"

#include "protocol/compressed_document.h"
#include "protocol/password_digest.h"
#include "protocol/request_templates.h"

#include <algorithm>

namespace vistrel::camsim {

namespace {

constexpr std::size_t kCompressedLength = 10;
constexpr std::size_t kDocumentLength = 14;
constexpr std::size_t kStream = 18;

using Document = Checked<std::string>;

Ipv4Address addressAt(Bytes record, std::size_t offset) {
    Ipv4Address address{};
    std::copy_n(record.begin() + static_cast<std::ptrdiff_t>(offset), 4, address.begin());
    return address;
}

template <std::size_t N>
FixedRecordFields readRecord(Bytes datagram, const SettingsRecordLayout& l) {
    const auto record = copyLayout<N>(datagram);
    FixedRecordFields fields;
    fields.name = readText(record, l.name, l.nameSize);
    fields.ip = addressAt(record, l.ip);
    fields.netmask = addressAt(record, l.netmask);
    fields.gateway = addressAt(record, l.gateway);
    fields.dns = addressAt(record, l.dns);
    fields.webPort = readBigEndian16(record, l.webPort);
    fields.dhcpFlag = record[l.dhcpFlag];
    fields.password = readText(record, l.password, kRecordPasswordSize);
    if (N == kLongRecordLayout.size) {
        fields.digestText = readText(record, kLongRecordDigestText, kDigestTextFieldSize);
    }
    return fields;
}

} // namespace

Checked<std::string> documentOfXmlWrite(Bytes datagram, JsonObject& fields) {
    if (datagram.size() < kStream + 2) {
        return Document::refused("no room for the lengths and a stream");
    }
    const std::uint32_t compressed = readLittleEndian32(datagram, kCompressedLength);
    const std::uint32_t declared = readLittleEndian32(datagram, kDocumentLength);
    fields.add("compressedLength", compressed).add("documentLength", declared);
    if (compressed != datagram.size() - kStream) {
        return Document::refused("compressed length " + std::to_string(compressed) + ", but " +
                                 std::to_string(datagram.size() - kStream) + " bytes follow");
    }
    if (datagram[kStream] != kWireStreamMark0 || datagram[kStream + 1] != kWireStreamMark1) {
        return Document::refused("no 0xAC 0xED mark at offset 18");
    }
    auto document = inflateDocument(datagram.subspan(kStream), kMaxWriteDocumentSize);
    if (!document) {
        return Document::refused("the stream does not inflate");
    }
    fields.add("document", *document);
    if (document->size() != declared) {
        return Document::refused("document of " + std::to_string(document->size()) +
                                 " bytes, its length field says " + std::to_string(declared));
    }
    return std::move(*document);
}

FixedRecordFields readFixedRecord(Bytes datagram, const SettingsRecordLayout& layout) {
    if (layout.size == kLongRecordLayout.size) {
        return readRecord<kLongRecordLayout.size>(datagram, layout);
    }
    return readRecord<kShortRecordLayout.size>(datagram, layout);
}

JsonObject logFieldsOf(const FixedRecordFields& record, bool longRecord) {
    JsonObject fields;
    fields.add("name", record.name)
        .add("ip", formatDottedDecimal(record.ip))
        .add("netmask", formatDottedDecimal(record.netmask))
        .add("gateway", formatDottedDecimal(record.gateway))
        .add("dns", formatDottedDecimal(record.dns))
        .add("webPort", record.webPort)
        .add("dhcp", record.dhcpFlag)
        .add("password", record.password);
    if (longRecord) {
        fields.add("digest", record.digestText);
    }
    return fields;
}

SettingsChange changeOfFixedRecord(const FixedRecordFields& record, const CameraState& camera) {
    SettingsChange change;
    change.name = record.name;
    change.dhcp = record.dhcpFlag == 1;
    change.ip = record.ip;
    change.netmask = record.netmask;
    change.gateway = record.gateway;
    change.dns = record.dns;
    change.webPort = record.webPort;
    const std::string& current = camera.settings().password;
    const bool unchanged = record.password.empty() || record.password == current ||
                           record.password == passwordDigestText(camera.mac(), current);
    if (!unchanged) {
        change.password = record.password;
    }
    return change;
}

} // namespace vistrel::camsim
