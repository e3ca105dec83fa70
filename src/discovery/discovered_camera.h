#pragma once
// A camera's discovery reply made into its camera list row, away from the list: the receiving
// side decodes replies as they arrive and the list takes the finished rows in batches.

#include "discovery/camera_list.h"
#include "protocol/reply_layouts.h"

#include <optional>
#include <string>

namespace vistrel {

struct DiscoveredCamera {
    CameraListRow row;
    // "%d" of the reply's name-table selector when its model name came from the tables; the
    // list remembers the last one of the rows it takes (the model code lookup reads it).
    std::optional<std::string> nameTableSelectorText;
};

// The row of a camera's reply: MAC, IP, name, model name and list state; nothing for a device
// that is not a camera (device class other than 5).
std::optional<DiscoveredCamera> discoveredCameraOf(const DiscoveryReply& reply);

// The list state of a camera from its set-up flags A and B.
int listStateOf(std::uint8_t setupFlagA, std::uint8_t setupFlagB);

} // namespace vistrel
