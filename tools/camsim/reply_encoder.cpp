#include "camsim/reply_encoder.h"

#include "base/byte_layout.h"
#include "protocol/reply_layouts.h"

#include <algorithm>

namespace vistrel::camsim {

namespace {

void writeSurveyEntry(MutableBytes entry, const SurveyedNetwork& network) {
    writeText(entry, kSurveySsid, kSurveySsidSize, network.ssid);
    writeText(entry, kSurveyText, kSurveyTextSize, network.bssid);
    entry[kSurveyChannel] = network.channel;
    entry[kSurveyNetworkType] = network.adHoc ? kAdHocNetworkType : 0;
    entry[kSurveySecurity] = network.security;
    entry[kSurveySignal] = network.signal;
}

} // namespace

std::vector<std::uint8_t> makeReply(const MacAddress& mac, ReplyCode code, std::size_t length) {
    std::vector<std::uint8_t> reply(std::max(length, kHeaderSize), 0);
    std::copy(mac.begin(), mac.end(), reply.begin());
    const auto replyCode =
        static_cast<std::uint16_t>(kReplyMarker << 8 | static_cast<std::uint8_t>(code));
    writeBigEndian16(reply, 6, replyCode);
    writeBigEndian16(reply, 8, static_cast<std::uint16_t>(~replyCode));
    return reply;
}

std::vector<std::uint8_t> encodeDiscoveryReply(const CameraState& camera) {
    const CameraDescription& description = camera.description();
    auto reply = makeReply(camera.mac(), ReplyCode::Discovery, kDiscoveryReplySize);
    writeText(reply, kDiscoveryName, kDiscoveryNameSize, camera.settings().name);
    std::copy(camera.settings().ip.begin(), camera.settings().ip.end(),
              reply.begin() + kDiscoveryAddress);
    reply[kDiscoveryVendorCode] = description.vendorCode;
    reply[kDiscoveryDeviceClass] = description.deviceClass;
    reply[kDiscoveryModelNumber] = description.modelNumber;
    reply[kDiscoverySetupFlagA] = camera.setupFlagA();
    reply[kDiscoverySetupFlagB] = description.setupFlagB;
    reply[kDiscoveryNameTableSelector] = description.nameTableSelector;
    return reply;
}

std::vector<std::uint8_t> encodeStatusReply(const MacAddress& mac, ReplyCode code,
                                            std::uint8_t status) {
    auto reply = makeReply(mac, code, kStatusReplySize);
    reply[kStatusByte] = status;
    return reply;
}

std::vector<std::uint8_t> encodeSiteSurveyReply(const MacAddress& mac,
                                                const std::vector<SurveyedNetwork>& networks) {
    auto reply =
        makeReply(mac, ReplyCode::SiteSurvey, kHeaderSize + networks.size() * kSiteSurveyEntrySize);
    for (std::size_t i = 0; i < networks.size(); ++i) {
        const std::size_t offset = kHeaderSize + i * kSiteSurveyEntrySize;
        writeSurveyEntry(MutableBytes(reply).subspan(offset, kSiteSurveyEntrySize), networks[i]);
    }
    return reply;
}

} // namespace vistrel::camsim
