#pragma once
// What the receiving thread makes of one datagram, before the GUI thread sees it: requests
// (the finder's own broadcasts among them), unknown codes and discovery replies of devices that
// are not cameras are left out; a camera's discovery reply becomes its list row, with the
// interface it arrived on and whether its address fits that interface's networks; any other
// reply is passed on intact. Cameras are remembered with their interface for later sends.

#include "net/camera_routes.h"
#include "net/received_reply.h"
#include "net/searched_interfaces.h"

#include <optional>

namespace vistrel::net {

// The arrival interface of a camera's row: its index and name, its networks, and whether the
// camera's reported address lies in one of them (never flagged when the address is 0.0.0.0 or
// the interface is not known).
void placeCamera(CameraListRow& row, const Ipv4Address& cameraAddress, int interfaceIndex,
                 const NetworkInterface* arrival);

std::optional<ReceivedReply> takeInReply(Bytes datagram, int interfaceIndex,
                                         const InterfaceTable& interfaces, CameraRoutes& routes);

} // namespace vistrel::net
