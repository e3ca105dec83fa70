#include "net/reply_intake.h"

#include "net/subnet_rule.h"

namespace vistrel::net {

void placeCamera(CameraListRow& row, const Ipv4Address& cameraAddress, int interfaceIndex,
                 const NetworkInterface* arrival) {
    row.interfaceIndex = interfaceIndex;
    if (arrival == nullptr) {
        return;
    }
    row.interfaceName = arrival->name;
    row.interfaceNetworks = networksText(arrival->addresses);
    row.inSubnet = !outsideItsNetwork(cameraAddress, arrival->addresses);
}

std::optional<ReceivedReply> takeInReply(Bytes datagram, int interfaceIndex,
                                         const InterfaceTable& interfaces, CameraRoutes& routes) {
    const std::optional<ReplyCode> code = replyCodeOf(datagram);
    if (!code) {
        return std::nullopt;
    }
    if (*code != ReplyCode::Discovery) {
        const bool known = routes.recordIfKnown(macOf(datagram), interfaceIndex);
        return ReceivedReply{OtherReply{{datagram.begin(), datagram.end()}}, interfaceIndex, known};
    }
    const DiscoveryReply reply = decodeDiscoveryReply(datagram);
    std::optional<DiscoveredCamera> camera = discoveredCameraOf(reply);
    if (!camera) {
        return std::nullopt;
    }
    placeCamera(camera->row, reply.ip, interfaceIndex, interfaces.find(interfaceIndex));
    routes.record(reply.mac, interfaceIndex);
    return ReceivedReply{std::move(*camera), interfaceIndex, true};
}

} // namespace vistrel::net
