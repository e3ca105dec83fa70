// Which way each datagram leaves: a search out of every chosen interface and by the default
// route, a datagram to one camera out of the interface it was last seen on. A recording port
// stands in for the socket, so nothing is sent.

#include "net/routed_sender.h"
#include "protocol/admin_datagram.h"

#include <gtest/gtest.h>

namespace vistrel::net {
namespace {

struct Sent {
    std::vector<std::uint8_t> datagram;
    SendPath path;
};

class RecordingPort : public DatagramPort {
public:
    bool broadcast(Bytes datagram, const SendPath& path) override {
        sent.push_back({{datagram.begin(), datagram.end()}, path});
        return !refuseEverything;
    }
    std::vector<SendPath> paths() const {
        std::vector<SendPath> result;
        for (const Sent& one : sent) {
            result.push_back(one.path);
        }
        return result;
    }

    std::vector<Sent> sent;
    bool refuseEverything = false;
};

NetworkInterface lan(std::string name, int index, Ipv4Address address) {
    NetworkInterface interface;
    interface.name = std::move(name);
    interface.index = index;
    interface.up = true;
    interface.canBroadcast = true;
    interface.addresses.push_back({address, 24});
    return interface;
}

constexpr MacAddress kCameraOnB{0x02, 0x56, 0x49, 0x00, 0x00, 0x0b};
constexpr Ipv4Address kAddressOnA{192, 168, 50, 10};
constexpr Ipv4Address kAddressOnB{10, 77, 0, 10};

struct Routing : ::testing::Test {
    std::vector<NetworkInterface> system{
        [] {
            NetworkInterface loopback = lan("lo", 1, {127, 0, 0, 1});
            loopback.loopback = true;
            return loopback;
        }(),
        lan("vst-lan-a", 2, kAddressOnA), lan("vst-lan-b", 3, kAddressOnB),
        lan("br-vst-0", 4, {172, 18, 0, 1})};
    int reads = 0;
    RecordingPort port;
    SearchedInterfaces interfaces;
    CameraRoutes routes;
    TrafficCounts traffic;
    RoutedSender sender{port,
                        [this] {
                            ++reads;
                            return system;
                        },
                        interfaces, routes, traffic};

    void search() { sender.SendDatagram(makeRequest(kBroadcastMac, AdminCommand::Discovery)); }
    void sendTo(const MacAddress& mac) {
        sender.SendDatagram(makeRequest(mac, AdminCommand::SettingsQuery));
    }
};

using Paths = std::vector<SendPath>;

TEST_F(Routing, ASearchGoesOutOfEveryChosenInterfaceFromItsAddressAndByTheDefaultRoute) {
    search();
    EXPECT_EQ(port.paths(), (Paths{{2, kAddressOnA}, {3, kAddressOnB}, {0, {}}}));
    for (const Sent& sent : port.sent) {
        EXPECT_EQ(sent.datagram, makeRequest(kBroadcastMac, AdminCommand::Discovery));
    }
    const TrafficByRoute counted = traffic.byRoute(*interfaces.current());
    EXPECT_EQ(counted.byInterface.at("vst-lan-a").datagramsSent, 1);
    EXPECT_EQ(counted.byInterface.at("vst-lan-b").datagramsSent, 1);
    EXPECT_FALSE(counted.byInterface.contains("br-vst-0"));
    EXPECT_EQ(counted.byDefaultRoute.datagramsSent, 1);
}

// A cable plugged in after the first search is used by the next one.
TEST_F(Routing, EverySearchReadsTheInterfacesAnew) {
    search();
    system.push_back(lan("enp3s0", 7, {192, 168, 1, 4}));
    search();
    EXPECT_EQ(reads, 2);
    EXPECT_EQ(port.sent.size(), 3u + 4u);
    EXPECT_TRUE(interfaces.current()->searched(7));
}

TEST_F(Routing, WithInterfacesNamedASearchLeavesOnlyThroughThem) {
    interfaces.restrictTo({"vst-lan-b", "br-vst-0"});
    search();
    EXPECT_EQ(port.paths(), (Paths{{3, kAddressOnB}, {4, {172, 18, 0, 1}}}));
}

TEST_F(Routing, ADatagramToACameraLeavesOnlyWhereItWasLastSeen) {
    search();
    port.sent.clear();
    routes.record(kCameraOnB, 3);
    sendTo(kCameraOnB);
    routes.record(kCameraOnB, 2); // it answered on LAN A since
    sendTo(kCameraOnB);
    EXPECT_EQ(port.paths(), (Paths{{3, kAddressOnB}, {2, kAddressOnA}}));
    EXPECT_EQ(reads, 1); // only searches read the interfaces
}

// Unknown cameras, and the wizard's requests before a camera is chosen (a zero MAC), go by the
// default route as every datagram did before interfaces were chosen.
TEST_F(Routing, ACameraNotSeenYetIsReachedByTheDefaultRoute) {
    sendTo(kCameraOnB);
    sendTo(MacAddress{});
    EXPECT_EQ(port.paths(), (Paths{{0, {}}, {0, {}}}));
}

// The camera's interface went away since the last search: the datagram still goes there (and
// the system refuses it) rather than out to a network where the camera is not.
TEST_F(Routing, AnInterfaceTheLastSearchDidNotSeeIsStillTheOnlyWayOut) {
    search();
    port.sent.clear();
    routes.record(kCameraOnB, 9);
    sendTo(kCameraOnB);
    EXPECT_EQ(port.paths(), (Paths{{9, {}}}));
}

TEST_F(Routing, OnlyWhatTheSystemTookIsCounted) {
    port.refuseEverything = true;
    search();
    EXPECT_EQ(port.sent.size(), 3u);
    const TrafficByRoute counted = traffic.byRoute(*interfaces.current());
    EXPECT_TRUE(counted.byInterface.empty());
    EXPECT_EQ(counted.byDefaultRoute.datagramsSent, 0);
}

TEST_F(Routing, ADatagramTooLongForUdpIsNotSent) {
    std::vector<std::uint8_t> huge = makeRequest(kCameraOnB, AdminCommand::SettingsQuery);
    huge.resize(kMaxDatagramSize + 1);
    sender.SendDatagram(huge);
    EXPECT_TRUE(port.sent.empty());
}

TEST(CameraRoutes, ForgetTheCameraHeardOfLongestAgoWhenFull) {
    CameraRoutes routes(2);
    const MacAddress first{0, 0, 0, 0, 0, 1};
    const MacAddress second{0, 0, 0, 0, 0, 2};
    const MacAddress third{0, 0, 0, 0, 0, 3};
    routes.record(first, 2);
    routes.record(second, 3);
    EXPECT_TRUE(routes.recordIfKnown(first, 3));
    EXPECT_FALSE(routes.recordIfKnown(third, 3));
    EXPECT_EQ(routes.interfaceOf(first), 3);
    routes.record(third, 2);
    EXPECT_EQ(routes.size(), 2u);
    EXPECT_EQ(routes.interfaceOf(first), std::nullopt);
    EXPECT_EQ(routes.interfaceOf(second), 3);
    EXPECT_EQ(routes.interfaceOf(third), 2);
}

} // namespace
} // namespace vistrel::net
