#pragma once
// The common step of the reply decoder: drops requests and unknown codes, checks that
// settings and status replies come from the selected camera, and dispatches by code.

#include "protocol/admin_datagram.h"
#include "protocol/reply_layouts.h"

#include <string_view>
#include <vector>

namespace vistrel {

// Receives the replies that passed the common step. Each handler sees its own reply kind.
class ReplyHandler {
public:
    virtual ~ReplyHandler() = default;
    virtual void onDiscoveryReply(const DiscoveryReply& /*reply*/) {}
    // The whole datagram: its layout depends on the selected camera's model code.
    virtual void onSettingsReply(Bytes /*datagram*/) {}
    virtual void onWirelessRecordReply(const WirelessRecord& /*record*/) {}
    virtual void onSiteSurveyReply(const std::vector<SiteSurveyEntry>& /*entries*/) {}
    virtual void onStatusReply(ReplyCode /*code*/, std::uint8_t /*status*/) {}
};

// Decodes one received datagram. selectedMacText is the selected camera's MAC text, empty
// when no camera is selected; settings and status replies from any other MAC are dropped.
void decodeReply(Bytes datagram, std::string_view selectedMacText, ReplyHandler& handler);

} // namespace vistrel
