#include "protocol/request_templates.h"

#include "base/byte_layout.h"

namespace vistrel {

namespace {

template <std::size_t N> Request<N> requestTemplate(AdminCommand command) {
    Request<N> request{};
    writeHeader(request, MacAddress{}, command);
    return request;
}

template <std::size_t N> void setMac(Request<N>& request, const MacAddress& mac) {
    std::copy(mac.begin(), mac.end(), request.begin());
}

} // namespace

RequestTemplates::RequestTemplates()
    : DiscoveryRequest(requestTemplate<10>(AdminCommand::Discovery)),
      SettingsQuery(requestTemplate<10>(AdminCommand::SettingsQuery)),
      WirelessRecordQuery(requestTemplate<10>(AdminCommand::WirelessRecordQuery)),
      SurveyRequest(requestTemplate<10>(AdminCommand::SiteSurvey)),
      DhcpStatusQuery(requestTemplate<10>(AdminCommand::DhcpStatusQuery)),
      LinkTestRequest(requestTemplate<10>(AdminCommand::LinkTest)),
      WpsStatusRequest(requestTemplate<10>(AdminCommand::WpsStatusQuery)),
      Command27Request(requestTemplate<11>(AdminCommand::Command27)),
      Command27AuthRequest(requestTemplate<75>(AdminCommand::Command27)),
      WpsStartHeader(requestTemplate<74>(AdminCommand::WpsStart)),
      WirelessSetHeader(requestTemplate<kWirelessRecordSize>(AdminCommand::WirelessRecordWrite)) {
    setMac(DiscoveryRequest, kBroadcastMac);
    setMac(SettingsQuery, kBroadcastMac);
    setMac(WirelessRecordQuery, kBroadcastMac);
    setMac(SurveyRequest, kBroadcastMac);
    setMac(DhcpStatusQuery, kBroadcastMac);
    Command27Request[10] = 0x01;
    Command27AuthRequest[10] = 0x01;
}

void RequestTemplates::setCameraMac(const MacAddress& mac) {
    setMac(SettingsQuery, mac);
    setMac(WirelessRecordQuery, mac);
    setMac(SurveyRequest, mac);
    setMac(DhcpStatusQuery, mac);
    setMac(LinkTestRequest, mac);
    setMac(WpsStatusRequest, mac);
    setMac(Command27Request, mac);
    setMac(Command27AuthRequest, mac);
    setMac(WpsStartHeader, mac);
    setMac(WirelessSetHeader, mac);
}

void RequestTemplates::setAuthenticationText(std::string_view digestText) {
    writeText(Command27AuthRequest, 11, kDigestTextFieldSize, digestText);
    writeText(WpsStartHeader, 10, kDigestTextFieldSize, digestText);
}

} // namespace vistrel
