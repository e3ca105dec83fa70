#pragma once
// SendDatagram with a choice of way out. A datagram to every camera (the broadcast MAC, as the
// discovery request carries) is a search: the interfaces are read anew and it goes out of each
// one chooseInterfaces picks, from that interface's address, and once more by the default route,
// which reaches what no chosen interface does (a machine without such an interface, a namespace
// whose broadcast route is on loopback). With --interface the default route is left out. A
// datagram to one camera (bytes 0 to 5 are its MAC) leaves through the interface the camera was
// last seen on, never through another; by the default route only while its interface is not
// known.

#include "net/camera_routes.h"
#include "net/searched_interfaces.h"
#include "net/traffic_counts.h"
#include "protocol/datagram_sender.h"

#include <functional>
#include <vector>

namespace vistrel::net {

// One way out for a broadcast to port 13364.
struct SendPath {
    int interfaceIndex = 0; // 0: by the default route
    Ipv4Address source{};   // the interface's address; 0.0.0.0 lets the system choose

    bool operator==(const SendPath&) const = default;
};

// What actually sends: the socket, or a recording stand-in in tests.
class DatagramPort {
public:
    virtual ~DatagramPort() = default;
    // Broadcasts the datagram along the path; false when the system refused it.
    virtual bool broadcast(Bytes datagram, const SendPath& path) = 0;
};

class RoutedSender : public DatagramSender {
public:
    using InterfaceReader = std::function<std::vector<NetworkInterface>()>;

    RoutedSender(DatagramPort& port, InterfaceReader readInterfaces, SearchedInterfaces& interfaces,
                 const CameraRoutes& routes, TrafficCounts& traffic);

    // Errors are swallowed, as every sender's are; the counts tell what the system took.
    void SendDatagram(Bytes datagram) override;

private:
    void search(Bytes datagram);
    void sendAlong(Bytes datagram, const SendPath& path);
    SendPath pathTo(int interfaceIndex) const;

    DatagramPort& port_;
    InterfaceReader readInterfaces_;
    SearchedInterfaces& interfaces_;
    const CameraRoutes& routes_;
    TrafficCounts& traffic_;
};

} // namespace vistrel::net
