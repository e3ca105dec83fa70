#include "camsim/reply_encoder.h"

#include "protocol/byte_layout.h"
#include "protocol/reply_layouts.h"

#include <algorithm>

namespace vistrel::camsim {

namespace {

constexpr std::size_t kDiscoveryName = 10;
constexpr std::size_t kDiscoveryNameSize = 32;
constexpr std::size_t kDiscoveryAddress = 42;
constexpr std::size_t kDiscoveryVendorCode = 66;
constexpr std::size_t kDiscoveryDeviceClass = 68;
constexpr std::size_t kDiscoveryModelNumber = 69;
constexpr std::size_t kDiscoverySetupFlagA = 70;
constexpr std::size_t kDiscoverySetupFlagB = 71;
constexpr std::size_t kDiscoveryNameTableSelector = 75;

constexpr std::size_t kSurveySsidSize = 33;
constexpr std::size_t kSurveyText = 33;
constexpr std::size_t kSurveyTextSize = 18;
constexpr std::size_t kSurveyChannel = 51;
constexpr std::size_t kSurveyNetworkType = 52;
constexpr std::size_t kSurveySecurity = 53;
constexpr std::size_t kSurveySignal = 54;
constexpr std::uint8_t kAdHocNetwork = 1;

void writeSurveyEntry(MutableBytes entry, const SurveyedNetwork& network) {
    writeText(entry, 0, kSurveySsidSize, network.ssid);
    writeText(entry, kSurveyText, kSurveyTextSize, network.bssid);
    entry[kSurveyChannel] = network.channel;
    entry[kSurveyNetworkType] = network.adHoc ? kAdHocNetwork : 0;
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
    reply[10] = status;
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
