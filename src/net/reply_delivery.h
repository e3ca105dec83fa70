#pragma once
// A batch of received replies handed to the finder's state on the GUI thread, in arrival order:
// the cameras join the list in one pass per run of cameras, and every other reply goes through
// the reply decoder's common step with the selected camera's MAC as it is at that moment.

#include "discovery/camera_discovery.h"
#include "net/received_reply.h"
#include "protocol/reply_dispatcher.h"

#include <string>

namespace vistrel::net {

void deliverReplies(ReplyBatch batch, CameraDiscovery& discovery,
                    const std::string& selectedMacText, ReplyHandler& handler);

} // namespace vistrel::net
