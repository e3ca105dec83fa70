#include "protocol/settings_request.h"

#include "base/byte_layout.h"
#include "protocol/admin_datagram.h"
#include "protocol/compressed_document.h"
#include "protocol/password_digest.h"

#include <algorithm>

namespace vistrel {

namespace {

constexpr std::size_t kXmlDatagramHeaderSize = 18; // header, compressed and plain lengths

Ipv4Address addressAt(const ShortSettingsRecord& record, std::size_t offset) {
    Ipv4Address address{};
    std::copy_n(record.begin() + offset, 4, address.begin());
    return address;
}

std::string element(std::string_view name, std::string_view value) {
    std::string line;
    line.reserve(2 * name.size() + value.size() + 6);
    line.append("<").append(name).append(">").append(value);
    line.append("</").append(name).append(">\n");
    return line;
}

std::string passwordOf(const ShortSettingsRecord& record) {
    return readText(record, kShortRecordLayout.password, kRecordPasswordSize);
}

void clearPassword(ShortSettingsRecord& record) {
    std::fill_n(record.begin() + kShortRecordLayout.password, kRecordPasswordSize, 0);
}

} // namespace

std::string escapeXmlText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '\'':
            escaped += "&apos;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string composeSettingsDocument(const ShortSettingsRecord& shortRecord,
                                    const TDeviceItem& camera, const WlanInfo& wlan,
                                    std::string_view escapedCameraName,
                                    std::string_view webPortText) {
    const auto& layout = kShortRecordLayout;
    std::string document = "<adminBCB>\n<protocolVersion>1</protocolVersion>\n";
    document += element("DHCP", std::to_string(shortRecord[layout.dhcpFlag]));
    document += element("ip", formatDottedDecimal(addressAt(shortRecord, layout.ip)));
    document += element("netmask", formatDottedDecimal(addressAt(shortRecord, layout.netmask)));
    document += element("gateway", formatDottedDecimal(addressAt(shortRecord, layout.gateway)));
    document += element("dns1", formatDottedDecimal(addressAt(shortRecord, layout.dns)));
    document += element("webPort", webPortText);
    document += element("mac", camera.macText);
    document += element("cameraName", escapedCameraName);
    // Escaped like the typed texts: the camera's own user name may hold markup characters too,
    // which would otherwise break the document.
    document += element("userName", escapeXmlText(camera.userName));
    document += element("userPassword", passwordOf(shortRecord));
    document += "<wireless>\n";
    document += element("enable", wlan.enable);
    document += "<mode>1</mode>\n";
    document += element("ssid", wlan.ssid);
    document += element("channel", wlan.channel);
    document += element("auth", wlan.auth);
    document += element("encryption", wlan.encryption);
    document += element("wpakey", wlan.wpakey);
    document += element("wepkey1", wlan.wepkey1);
    document += element("wepkeytype", wlan.wepkeytype);
    document += element("wepkeysize", wlan.wepkeysize);
    document += "</wireless>\n</adminBCB>\n";
    return document;
}

std::optional<std::vector<std::uint8_t>> buildXmlSettingsDatagram(ShortSettingsRecord& shortRecord,
                                                                  const TDeviceItem& camera,
                                                                  WlanInfo& wlan,
                                                                  const SettingsPanelTexts& panel) {
    wlan.ssid = escapeXmlText(panel.ssid);
    wlan.wepkey1 = escapeXmlText(panel.wepKey);
    wlan.wpakey = escapeXmlText(panel.wpaKey);
    const std::string document = composeSettingsDocument(
        shortRecord, camera, wlan, escapeXmlText(panel.cameraName), panel.webPort);
    clearPassword(shortRecord); // the next document gets its password from the next validation

    const auto mac = parseMacText(camera.macText);
    const auto stream = compressDocument(document);
    if (!mac || !stream || kXmlDatagramHeaderSize + stream->size() > kMaxDatagramSize) {
        return std::nullopt;
    }
    auto datagram = makeRequest(*mac, AdminCommand::XmlSettingsWrite, kXmlDatagramHeaderSize);
    writeLittleEndian32(datagram, 10, static_cast<std::uint32_t>(stream->size()));
    writeLittleEndian32(datagram, 14, static_cast<std::uint32_t>(document.size()));
    datagram.insert(datagram.end(), stream->begin(), stream->end());
    return datagram;
}

void frameShortSettingsRecord(ShortSettingsRecord& record, const MacAddress& mac) {
    writeHeader(record, mac, AdminCommand::FixedSettingsWrite);
}

bool frameLongSettingsRecord(LongSettingsRecord& record, const MacAddress& mac,
                             std::string_view password) {
    const auto digest = passwordDigest(mac, password);
    if (!digest) {
        return false;
    }
    writeText(record, kLongRecordDigestText, record.size() - kLongRecordDigestText,
              digestText(*digest));
    writeHeader(record, mac, AdminCommand::FixedSettingsWrite);
    return true;
}

} // namespace vistrel
