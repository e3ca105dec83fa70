#include "camsim/settings_reply.h"

#include "base/byte_layout.h"
#include "camsim/reply_encoder.h"
#include "camsim/settings_document.h"
#include "protocol/compressed_document.h"
#include "protocol/reply_layouts.h"

#include <algorithm>

namespace vistrel::camsim {

namespace {

constexpr std::size_t kSsidSize = 33;
constexpr std::size_t kShortKeySize = 17;
constexpr std::size_t kLongKeySize = 48;

void putAddress(std::vector<std::uint8_t>& reply, std::size_t offset, const Ipv4Address& ip) {
    std::copy(ip.begin(), ip.end(), reply.begin() + static_cast<std::ptrdiff_t>(offset));
}

bool usesWpa(const WirelessSettings& wireless) {
    return wireless.auth == "3" || wireless.auth == "4" || wireless.auth == "5";
}

void putWireless(std::vector<std::uint8_t>& reply, const FixedReplyLayout& layout,
                 const WirelessSettings& wireless) {
    writeText(reply, kReplySsid, kSsidSize, wireless.ssid);
    writeText(reply, kReplyFirstShortKey, kShortKeySize, wireless.wepkey1);
    writeText(reply, layout.firstLongKey, kLongKeySize, wireless.wpakey);
    reply[layout.keyFormSelector] = usesWpa(wireless) ? 1 : 0;
}

std::vector<std::uint8_t> xmlReply(const CameraState& camera) {
    const auto stream = compressDocument(composeReplyDocument(camera));
    if (!stream) {
        return {};
    }
    auto reply = makeReply(camera.mac(), ReplyCode::Settings, kXmlSettingsStreamOffset);
    reply.insert(reply.end(), stream->begin(), stream->end());
    return reply;
}

std::vector<std::uint8_t> fixedReply(const CameraState& camera, const FixedReplyLayout& layout) {
    const CameraSettings& s = camera.settings();
    auto reply = makeReply(camera.mac(), ReplyCode::Settings, layout.size);
    putAddress(reply, kReplyNetmask, s.netmask);
    putAddress(reply, kReplyGateway, s.gateway);
    putAddress(reply, kReplyDns, s.dns);
    writeBigEndian16(reply, kReplyWebPort, s.webPort);
    if (layout.carriesFirmwareVersion) {
        writeText(reply, kReplyFirmwareVersion, kReplyFirmwareVersionSize,
                  camera.description().firmwareVersion);
    }
    putWireless(reply, layout, s.wireless);
    writeText(reply, kReplyName, layout.nameSize, s.name);
    reply[layout.dhcpFlag] = s.dhcp ? 1 : 0;
    writeText(reply, layout.credential, kReplyCredentialSize, camera.passwordCredential());
    return reply;
}

} // namespace

std::vector<std::uint8_t> encodeSettingsReply(const CameraState& camera) {
    switch (camera.description().variant) {
    case SettingsVariant::ShortLayout:
        return fixedReply(camera, kShortReplyLayout);
    case SettingsVariant::LongLayout:
        return fixedReply(camera, kLongReplyLayout);
    case SettingsVariant::Xml:
        break;
    }
    return xmlReply(camera);
}

std::size_t nameCapacityOf(SettingsVariant variant) {
    return variant == SettingsVariant::ShortLayout ? kShortReplyLayout.nameSize
                                                   : kLongReplyLayout.nameSize;
}

} // namespace vistrel::camsim
