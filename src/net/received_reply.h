#pragma once
// A reply as the receiving thread hands it on: a camera's discovery reply already made into its
// list row, or any other reply as it arrived, for the reply decoder on the GUI thread.

#include "discovery/discovered_camera.h"

#include <cstdint>
#include <variant>
#include <vector>

namespace vistrel::net {

struct OtherReply {
    std::vector<std::uint8_t> datagram;
};

struct ReceivedReply {
    std::variant<DiscoveredCamera, OtherReply> content;
    int interfaceIndex = 0; // where it arrived; 0 when not known
    // False for a reply that no camera the finder knows can have sent (a settings or status
    // reply from a MAC that never answered a search): the first to go when the queue is full.
    bool expected = true;

    const DiscoveredCamera* camera() const { return std::get_if<DiscoveredCamera>(&content); }
    const OtherReply* other() const { return std::get_if<OtherReply>(&content); }
};

// Replies in arrival order.
using ReplyBatch = std::vector<ReceivedReply>;

} // namespace vistrel::net
