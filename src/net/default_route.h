#pragma once
// The interface of the default route and what kind of link it is: a VPN or tunnel there may
// carry the search away from the local network or block it. From /proc/net/route (the main
// routing table) and, for the kind, /sys/class/net/IF: its hardware type, the DEVTYPE of its
// uevent, and tun_flags, which only tun and tap devices have.

#include <optional>
#include <string>
#include <string_view>

namespace vistrel::net {

enum class InterfaceKind { Ethernet, Wireless, Tunnel, Bridge, Loopback, Other };

struct DefaultRoute {
    std::string interfaceName;
    InterfaceKind kind = InterfaceKind::Other;

    bool operator==(const DefaultRoute&) const = default;
};

// What /sys/class/net/IF says of an interface; empty where a file is missing.
struct InterfaceSysfs {
    std::string type;   // the ARPHRD_* number, "1" for Ethernet
    std::string uevent; // lines such as "DEVTYPE=wlan"
    bool hasTunFlags = false;
    bool hasWirelessDirectory = false;
};

// The interface that carries traffic to the world in the text of /proc/net/route: of the
// routes that are up and cover half the address space or more, the most specific (VPN clients
// add 0.0.0.0/1 and 128.0.0.0/1 over the default route), then the lowest metric.
std::optional<std::string> defaultRouteInterface(std::string_view procNetRoute);

// The kind from the sysfs files, else from names that tunnels and VPNs use.
InterfaceKind interfaceKindOf(std::string_view name, const InterfaceSysfs& sysfs);

// The real files. nullopt when there is no default route.
std::optional<DefaultRoute> readDefaultRoute();

} // namespace vistrel::net
