#include "net/routed_sender.h"

#include "protocol/admin_datagram.h"

namespace vistrel::net {

namespace {

SendPath pathOutOf(const NetworkInterface& interface) {
    // Without its source address a broadcast out of a chosen interface may leave from 0.0.0.0.
    const Ipv4Address source =
        interface.addresses.empty() ? Ipv4Address{} : interface.addresses.front().address;
    return {interface.index, source};
}

} // namespace

RoutedSender::RoutedSender(DatagramPort& port, InterfaceReader readInterfaces,
                           SearchedInterfaces& interfaces, const CameraRoutes& routes,
                           TrafficCounts& traffic)
    : port_(port), readInterfaces_(std::move(readInterfaces)), interfaces_(interfaces),
      routes_(routes), traffic_(traffic) {}

void RoutedSender::SendDatagram(Bytes datagram) {
    if (datagram.size() > kMaxDatagramSize) {
        return;
    }
    const MacAddress target = macOf(datagram);
    if (target == kBroadcastMac) {
        search(datagram);
        return;
    }
    const std::optional<int> seenOn = routes_.interfaceOf(target);
    sendAlong(datagram, seenOn ? pathTo(*seenOn) : SendPath{});
}

// The interfaces are chosen before anything leaves: the receiving side names each reply's
// arrival interface from that choice, and a reply may come back before the last send.
void RoutedSender::search(Bytes datagram) {
    const auto table = interfaces_.choose(readInterfaces_());
    for (const InterfaceChoice& choice : table->selection.interfaces) {
        if (choice.searched()) {
            sendAlong(datagram, pathOutOf(choice.interface));
        }
    }
    if (!interfaces_.restricted()) {
        sendAlong(datagram, SendPath{});
    }
}

// The camera's interface as the last search saw it; its address unknown when that search did
// not see the interface, and the system then chooses one.
SendPath RoutedSender::pathTo(int interfaceIndex) const {
    const NetworkInterface* known = interfaces_.current()->find(interfaceIndex);
    return known ? pathOutOf(*known) : SendPath{interfaceIndex, {}};
}

void RoutedSender::sendAlong(Bytes datagram, const SendPath& path) {
    if (port_.broadcast(datagram, path)) {
        traffic_.countSent(path.interfaceIndex);
    }
}

} // namespace vistrel::net
