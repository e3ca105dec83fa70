#include "protocol/reply_layouts.h"

#include "base/byte_layout.h"
#include "protocol/compressed_document.h"

#include <tuple>

namespace vistrel {

DiscoveryReply decodeDiscoveryReply(Bytes datagram) {
    const auto layout = copyLayout<kDiscoveryReplySize>(datagram);
    DiscoveryReply reply;
    reply.mac = fieldOf<0, std::tuple_size_v<MacAddress>>(layout);
    reply.name = readText(layout, kDiscoveryName, kDiscoveryNameSize);
    reply.ip = fieldOf<kDiscoveryAddress, std::tuple_size_v<Ipv4Address>>(layout);
    reply.vendorCode = std::get<kDiscoveryVendorCode>(layout);
    reply.deviceClass = std::get<kDiscoveryDeviceClass>(layout);
    reply.modelNumber = std::get<kDiscoveryModelNumber>(layout);
    reply.setupFlagA = std::get<kDiscoverySetupFlagA>(layout);
    reply.setupFlagB = std::get<kDiscoverySetupFlagB>(layout);
    reply.nameTableSelector = std::get<kDiscoveryNameTableSelector>(layout);
    return reply;
}

std::uint8_t decodeStatusByte(Bytes datagram) {
    return std::get<kStatusByte>(copyLayout<kStatusReplySize>(datagram));
}

std::vector<SiteSurveyEntry> decodeSiteSurveyReply(Bytes datagram) {
    std::vector<SiteSurveyEntry> entries;
    for (std::size_t offset = kHeaderSize; offset + kSiteSurveyEntrySize <= datagram.size();
         offset += kSiteSurveyEntrySize) {
        const auto entry = copyLayout<kSiteSurveyEntrySize>(datagram.subspan(offset));
        entries.push_back({readText(entry, kSurveySsid, kSurveySsidSize),
                           readText(entry, kSurveyText, kSurveyTextSize),
                           std::get<kSurveyChannel>(entry), std::get<kSurveyNetworkType>(entry),
                           std::get<kSurveySecurity>(entry), std::get<kSurveySignal>(entry)});
    }
    return entries;
}

WirelessRecord decodeWirelessRecordReply(Bytes datagram) {
    return copyLayout<std::tuple_size_v<WirelessRecord>>(datagram);
}

bool isXmlSettingsReply(Bytes datagram) {
    return datagram.size() > kXmlSettingsStreamOffset + 1 &&
           datagram[kXmlSettingsStreamOffset] == kWireStreamMark0 &&
           datagram[kXmlSettingsStreamOffset + 1] == kWireStreamMark1;
}

} // namespace vistrel
