#include "protocol/reply_layouts.h"

#include "protocol/compressed_document.h"

#include <algorithm>

namespace vistrel {

DiscoveryReply decodeDiscoveryReply(Bytes datagram) {
    const auto layout = copyLayout<kDiscoveryReplySize>(datagram);
    DiscoveryReply reply;
    std::copy_n(layout.begin(), 6, reply.mac.begin());
    reply.name = readText(layout, 10, 32);
    std::copy_n(layout.begin() + 42, 4, reply.ip.begin());
    reply.vendorCode = layout[66];
    reply.deviceClass = layout[68];
    reply.modelNumber = layout[69];
    reply.setupFlagA = layout[70];
    reply.setupFlagB = layout[71];
    reply.nameTableSelector = layout[75];
    return reply;
}

std::uint8_t decodeStatusByte(Bytes datagram) {
    return copyLayout<kStatusReplySize>(datagram)[10];
}

std::vector<SiteSurveyEntry> decodeSiteSurveyReply(Bytes datagram) {
    std::vector<SiteSurveyEntry> entries;
    for (std::size_t offset = 10; offset + kSiteSurveyEntrySize <= datagram.size();
         offset += kSiteSurveyEntrySize) {
        const Bytes entry = datagram.subspan(offset, kSiteSurveyEntrySize);
        entries.push_back({readText(entry, 0, 33), readText(entry, 33, 18), entry[51], entry[52],
                           entry[53], entry[54]});
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
