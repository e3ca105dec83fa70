#include "protocol/admin_datagram.h"

#include "base/byte_layout.h"

#include <algorithm>

namespace vistrel {

void writeHeader(MutableBytes datagram, const MacAddress& mac, AdminCommand command) {
    std::copy(mac.begin(), mac.end(), datagram.begin());
    writeBigEndian16(datagram, 6, static_cast<std::uint16_t>(command));
    writeBigEndian16(datagram, 8, checkWordOf(command));
}

std::vector<std::uint8_t> makeRequest(const MacAddress& mac, AdminCommand command,
                                      std::size_t length) {
    std::vector<std::uint8_t> request(std::max(length, kHeaderSize));
    writeHeader(request, mac, command);
    return request;
}

std::optional<ReplyCode> replyCodeOf(Bytes datagram) {
    if (datagram.size() < 8 || datagram[6] == 0) {
        return std::nullopt;
    }
    switch (const auto code = static_cast<ReplyCode>(datagram[7])) {
    case ReplyCode::Settings:
    case ReplyCode::Discovery:
    case ReplyCode::WirelessRecord:
    case ReplyCode::SiteSurvey:
    case ReplyCode::DhcpStatus:
    case ReplyCode::LinkStatus:
    case ReplyCode::WpsStatus:
        return code;
    }
    return std::nullopt;
}

MacAddress macOf(Bytes datagram) {
    return copyLayout<6>(datagram);
}

} // namespace vistrel
