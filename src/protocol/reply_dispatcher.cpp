#include "protocol/reply_dispatcher.h"

namespace vistrel {

namespace {

// Settings and status replies count only for the selected camera; the comparison is exact.
bool fromSelectedCamera(Bytes datagram, std::string_view selectedMacText) {
    return !selectedMacText.empty() && formatMacText(macOf(datagram)) == selectedMacText;
}

} // namespace

void decodeReply(Bytes datagram, std::string_view selectedMacText, ReplyHandler& handler) {
    const auto code = replyCodeOf(datagram);
    if (!code) {
        return;
    }
    switch (*code) {
    case ReplyCode::Discovery:
        handler.onDiscoveryReply(decodeDiscoveryReply(datagram));
        return;
    case ReplyCode::WirelessRecord:
        handler.onWirelessRecordReply(decodeWirelessRecordReply(datagram));
        return;
    case ReplyCode::SiteSurvey:
        handler.onSiteSurveyReply(decodeSiteSurveyReply(datagram));
        return;
    case ReplyCode::Settings:
        if (fromSelectedCamera(datagram, selectedMacText)) {
            handler.onSettingsReply(datagram);
        }
        return;
    case ReplyCode::DhcpStatus:
    case ReplyCode::LinkStatus:
    case ReplyCode::WpsStatus:
        if (fromSelectedCamera(datagram, selectedMacText)) {
            handler.onStatusReply(*code, decodeStatusByte(datagram));
        }
        return;
    }
}

} // namespace vistrel
