// The readers of the system state over recorded files: sockets on the admin port, the default
// route and its kind, and container markers.

#include "net/container_markers.h"
#include "net/default_route.h"
#include "net/udp_port_users.h"

#include <gtest/gtest.h>

namespace vistrel::net {
namespace {

using namespace std::string_literals;

// Two sockets sharing port 13364 (0x3434) and one on 127.0.0.1:5353, as the kernel lists them.
constexpr char kProcNetUdp[] =
    "   sl  local_address rem_address   st tx_queue rx_queue tr tm->when retrnsmt   uid  "
    "timeout inode ref pointer drops            \n"
    " 6406: 0100007F:14E9 00000000:0000 07 00000000:00000000 00:00000000 00000000     0        "
    "0 110080 2 000000005625dcc1 0        \n"
    "14417: 00000000:3434 00000000:0000 07 00000000:00000000 00:00000000 00000000     0        "
    "0 110078 2 00000000f0e8c99d 0        \n"
    "14417: 00000000:3434 00000000:0000 07 00000000:00000000 00:00000000 00000000     0        "
    "0 110077 2 000000002f44eb0f 0        \n";

constexpr char kProcNetUdp6[] =
    "  sl  local_address                         remote_address                        st "
    "tx_queue rx_queue tr tm->when retrnsmt   uid  timeout inode ref pointer drops\n"
    "14417: 00000000000000000000000000000000:3434 00000000000000000000000000000000:0000 07 "
    "00000000:00000000 00:00000000 00000000     0        0 110079 2 00000000910a01e1 0\n";

TEST(UdpPortUsers, FindTheSocketsBoundToThePort) {
    EXPECT_EQ(socketInodesOnPort(kProcNetUdp, 13364), (std::vector<std::uint64_t>{110078, 110077}));
    EXPECT_EQ(socketInodesOnPort(kProcNetUdp, 5353), std::vector<std::uint64_t>{110080});
    EXPECT_EQ(socketInodesOnPort(kProcNetUdp6, 13364), std::vector<std::uint64_t>{110079});
    EXPECT_TRUE(socketInodesOnPort(kProcNetUdp, 80).empty());
    EXPECT_TRUE(socketInodesOnPort("", 13364).empty());
    EXPECT_TRUE(socketInodesOnPort("heading\n14417: 00000000:3434 cut short\n", 13364).empty());
}

TEST(UdpPortUsers, ReadSocketInodesFromDescriptorLinks) {
    EXPECT_EQ(socketInodeOfLink("socket:[110078]"), 110078u);
    EXPECT_EQ(socketInodeOfLink("pipe:[110078]"), std::nullopt);
    EXPECT_EQ(socketInodeOfLink("socket:[]"), std::nullopt);
    EXPECT_EQ(socketInodeOfLink("socket:[12x]"), std::nullopt);
    EXPECT_EQ(socketInodeOfLink("/dev/null"), std::nullopt);
}

constexpr char kRouteHeading[] =
    "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";

// One line of /proc/net/route: destination and mask in the kernel's hexadecimal.
std::string route(const char* interface, const char* destination, const char* mask,
                  const char* flags, int metric) {
    return std::string(interface) + "\t" + destination + "\t0101A8C0\t" + flags + "\t0\t0\t" +
           std::to_string(metric) + "\t" + mask + "\t0\t0\t0\n";
}

TEST(DefaultRoute, IsTheRouteThatCarriesTrafficToTheWorld) {
    // Wired and wireless: the lower metric wins.
    const std::string laptop = kRouteHeading +
                               route("wlp2s0", "00000000", "00000000", "0003", 600) +
                               route("enp3s0", "00000000", "00000000", "0003", 100) +
                               route("enp3s0", "0001A8C0", "00FFFFFF", "0001", 100);
    EXPECT_EQ(defaultRouteInterface(laptop), "enp3s0");
    // A VPN client's two halves of the address space win over the default route.
    const std::string vpn = laptop + route("tun0", "00000000", "00000080", "0001", 0) +
                            route("tun0", "00000080", "00000080", "0001", 0);
    EXPECT_EQ(defaultRouteInterface(vpn), "tun0");
    // A route that is not up, and no default at all.
    EXPECT_EQ(
        defaultRouteInterface(kRouteHeading + route("enp3s0", "00000000", "00000000", "0002", 0)),
        std::nullopt);
    EXPECT_EQ(
        defaultRouteInterface(kRouteHeading + route("enp3s0", "0001A8C0", "00FFFFFF", "0001", 0)),
        std::nullopt);
    EXPECT_EQ(defaultRouteInterface(""), std::nullopt);
}

TEST(DefaultRoute, KindOfItsInterface) {
    struct Case {
        const char* name;
        InterfaceSysfs sysfs;
        InterfaceKind kind;
    };
    const Case cases[] = {
        {"enp3s0", {"1\n", "INTERFACE=enp3s0\nIFINDEX=2\n"}, InterfaceKind::Ethernet},
        {"wlp2s0", {"1\n", "DEVTYPE=wlan\nINTERFACE=wlp2s0\n"}, InterfaceKind::Wireless},
        {"wlan0", {"1\n", "", false, true}, InterfaceKind::Wireless},
        {"wg0", {"65534\n", "DEVTYPE=wireguard\n"}, InterfaceKind::Tunnel},
        {"tun0", {"65534\n", "", true}, InterfaceKind::Tunnel},
        {"tap0", {"1\n", "", true}, InterfaceKind::Tunnel},
        {"ppp0", {"512\n", "DEVTYPE=ppp\n"}, InterfaceKind::Tunnel},
        {"gre1", {"778\n", ""}, InterfaceKind::Tunnel},
        {"br0", {"1\n", "DEVTYPE=bridge\n"}, InterfaceKind::Bridge},
        {"lo", {"772\n", ""}, InterfaceKind::Loopback},
        {"tailscale0", {}, InterfaceKind::Tunnel}, // sysfs of another namespace: the name tells
        {"eth0", {}, InterfaceKind::Other},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(interfaceKindOf(c.name, c.sysfs), c.kind) << c.name;
    }
}

TEST(ContainerMarkers, NameTheContainerEngine) {
    struct Case {
        const char* what;
        ContainerMarkers markers;
        std::optional<std::string> kind;
    };
    const Case cases[] = {
        {"a computer", {false, false, "HOME=/\0TERM=linux\0"s, "0::/init.scope\n"}, std::nullopt},
        {"Docker", {true, false, "", "0::/\n"}, "Docker"},
        {"Podman", {false, true, "", "0::/\n"}, "Podman"},
        {"systemd-nspawn",
         {false, false, "TERM=xterm\0container=systemd-nspawn\0"s, ""},
         "systemd-nspawn"},
        {"an empty container variable", {false, false, "container=\0"s, ""}, std::nullopt},
        {"cgroup v1 of Docker", {false, false, "", "12:pids:/docker/3f2a9c\n"}, "Docker"},
        {"Kubernetes", {false, false, "", "0::/kubepods/besteffort/pod1\n"}, "Kubernetes"},
        {"LXC", {false, false, "", "0::/lxc.payload.web/\n"}, "LXC"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(containerKindOf(c.markers), c.kind) << c.what;
    }
}

} // namespace
} // namespace vistrel::net
