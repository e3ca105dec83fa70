// The receiving side without sockets: what becomes of each datagram, how the inbox tells the GUI
// thread and keeps arrival order, and how a batch reaches the list and the reply decoder.

#include "net/reply_delivery.h"
#include "net/reply_inbox.h"
#include "net/reply_intake.h"
#include "protocol/request_templates.h"
#include "support/datagram_fixtures.h"

#include <gtest/gtest.h>

namespace vistrel::net {
namespace {

constexpr int kLanA = 2;
constexpr int kLanB = 3;
constexpr MacAddress kCamera{0x02, 0x56, 0x49, 0x00, 0x00, 0x01};
constexpr MacAddress kStranger{0x02, 0x56, 0x49, 0x00, 0x00, 0x99};

NetworkInterface lan(std::string name, int index, std::vector<InterfaceAddress> addresses) {
    NetworkInterface interface;
    interface.name = std::move(name);
    interface.index = index;
    interface.up = true;
    interface.canBroadcast = true;
    interface.addresses = std::move(addresses);
    return interface;
}

std::vector<std::uint8_t> cameraReply(const MacAddress& mac, Ipv4Address ip = {192, 168, 50, 21},
                                      std::uint8_t deviceClass = kDeviceClassCamera) {
    test::DiscoveryReplyFields fields;
    fields.mac = mac;
    fields.ip = ip;
    fields.deviceClass = deviceClass;
    return test::discoveryReply(fields);
}

std::vector<std::uint8_t> statusReply(const MacAddress& mac, std::uint8_t status = 1) {
    return test::reply(mac, static_cast<std::uint8_t>(ReplyCode::DhcpStatus), {status});
}

struct Receiving : ::testing::Test {
    SearchedInterfaces interfaces;
    CameraRoutes routes;
    TrafficCounts traffic;
    ReplyInbox inbox{interfaces, routes, traffic};

    void SetUp() override {
        interfaces.choose({lan("vst-lan-a", kLanA, {{{192, 168, 50, 10}, 24}}),
                           lan("vst-lan-b", kLanB, {{{10, 77, 0, 10}, 24}, {{10, 9, 0, 1}, 16}})});
    }

    std::optional<ReceivedReply> takeIn(const std::vector<std::uint8_t>& datagram,
                                        int interfaceIndex) {
        return takeInReply(datagram, interfaceIndex, *interfaces.current(), routes);
    }
    bool deliver(const std::vector<std::uint8_t>& datagram, int interfaceIndex) {
        const Arrival arrival{datagram, interfaceIndex};
        return inbox.deliver({&arrival, 1});
    }
};

TEST_F(Receiving, RequestsUnknownCodesAndOtherDevicesAreLeftOut) {
    const RequestTemplates requests;
    EXPECT_FALSE(
        takeIn({requests.DiscoveryRequest.begin(), requests.DiscoveryRequest.end()}, kLanA));
    EXPECT_FALSE(takeIn(test::reply(kCamera, 0x05), kLanA));
    EXPECT_FALSE(takeIn(cameraReply(kCamera, {192, 168, 50, 21}, 4), kLanA));
    EXPECT_FALSE(takeIn({0x02, 0x56, 0x49}, kLanA)); // shorter than a header
    EXPECT_EQ(routes.size(), 0u);
}

TEST_F(Receiving, ACamerasReplyBecomesItsRowWithWhereItAnswered) {
    const std::optional<ReceivedReply> reply = takeIn(cameraReply(kCamera), kLanA);
    ASSERT_TRUE(reply && reply->camera());
    const CameraListRow& row = reply->camera()->row;
    EXPECT_EQ(row.caption(), "02:56:49:00:00:01");
    EXPECT_EQ(row.columns[kColumnIp], "192.168. 50. 21");
    EXPECT_EQ(row.interfaceIndex, kLanA);
    EXPECT_EQ(row.interfaceName, "vst-lan-a");
    EXPECT_EQ(row.interfaceNetworks, "192.168.50.0/24");
    EXPECT_TRUE(row.inSubnet);
    EXPECT_EQ(reply->interfaceIndex, kLanA);
    EXPECT_TRUE(reply->expected);
    EXPECT_EQ(routes.interfaceOf(kCamera), kLanA);
}

TEST_F(Receiving, ACameraOutsideTheNetworksOfItsInterfaceIsFlagged) {
    struct Case {
        Ipv4Address ip;
        int interfaceIndex;
        bool inSubnet;
    };
    const Case cases[]{
        {{192, 168, 50, 21}, kLanA, true},  {{192, 168, 1, 20}, kLanA, false},
        {{10, 77, 0, 21}, kLanB, true},     {{10, 9, 200, 7}, kLanB, true}, // the second network
        {{192, 168, 50, 21}, kLanB, false}, {{0, 0, 0, 0}, kLanB, true},    // no address yet
        {{192, 168, 1, 20}, 17, true},                                      // an unknown interface
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(formatDottedDecimal(c.ip) + " on " + std::to_string(c.interfaceIndex));
        const std::optional<ReceivedReply> reply =
            takeIn(cameraReply(kCamera, c.ip), c.interfaceIndex);
        ASSERT_TRUE(reply && reply->camera());
        EXPECT_EQ(reply->camera()->row.inSubnet, c.inSubnet);
    }
    const std::optional<ReceivedReply> unknown = takeIn(cameraReply(kCamera), 17);
    EXPECT_EQ(unknown->camera()->row.interfaceName, "");
    EXPECT_EQ(unknown->camera()->row.interfaceIndex, 17);
}

// Other replies are passed on whole; they count as expected only from a camera that answered a
// search, and they move that camera to the interface they came in on.
TEST_F(Receiving, OtherRepliesArePassedOnAndJudgedByTheirSender) {
    const std::optional<ReceivedReply> early = takeIn(statusReply(kCamera), kLanA);
    ASSERT_TRUE(early && early->other());
    EXPECT_FALSE(early->expected);
    EXPECT_EQ(early->other()->datagram, statusReply(kCamera));

    takeIn(cameraReply(kCamera), kLanA);
    EXPECT_TRUE(takeIn(statusReply(kCamera), kLanB)->expected);
    EXPECT_EQ(routes.interfaceOf(kCamera), kLanB);
    EXPECT_FALSE(takeIn(statusReply(kStranger), kLanB)->expected);
    EXPECT_EQ(routes.interfaceOf(kStranger), std::nullopt);
}

// However many datagrams arrive, the GUI thread is told once until it takes them, and gets them
// in arrival order.
TEST_F(Receiving, TheInboxTellsOncePerBatchAndKeepsArrivalOrder) {
    const MacAddress second{0x02, 0x56, 0x49, 0x00, 0x00, 0x02};
    EXPECT_TRUE(deliver(cameraReply(kCamera), kLanA));
    EXPECT_FALSE(deliver(statusReply(kCamera), kLanA));
    EXPECT_FALSE(deliver(cameraReply(second), kLanB));
    const ReplyBatch batch = inbox.take();
    ASSERT_EQ(batch.size(), 3u);
    EXPECT_EQ(batch[0].camera()->row.caption(), "02:56:49:00:00:01");
    EXPECT_NE(batch[1].other(), nullptr);
    EXPECT_EQ(batch[2].camera()->row.caption(), "02:56:49:00:00:02");

    EXPECT_FALSE(deliver(test::reply(kCamera, 0x05), kLanA)); // nothing to take
    EXPECT_TRUE(deliver(statusReply(kCamera), kLanA));
    EXPECT_EQ(inbox.take().size(), 1u);
    const InboxCounts counts = inbox.counts();
    EXPECT_EQ(counts.received, 5);
    EXPECT_EQ(counts.notReplies, 1);
}

TEST_F(Receiving, RepliesAreCountedByArrivalInterfaceAndTheDefaultRoute) {
    const RequestTemplates requests;
    deliver(cameraReply(kCamera), kLanA);
    deliver(cameraReply(kCamera), kLanB);
    deliver({requests.DiscoveryRequest.begin(), requests.DiscoveryRequest.end()}, kLanB);
    deliver(cameraReply(kStranger), 1); // loopback: only the default route reaches it
    const TrafficByRoute counted = traffic.byRoute(*interfaces.current());
    EXPECT_EQ(counted.byInterface.at("vst-lan-a").repliesReceived, 1);
    EXPECT_EQ(counted.byInterface.at("vst-lan-b").repliesReceived, 1);
    EXPECT_EQ(counted.byInterface.at("#1").repliesReceived, 1);
    EXPECT_EQ(counted.byDefaultRoute.repliesReceived, 1);
}

TEST_F(Receiving, WithInterfacesNamedRepliesFromOthersAreNotTaken) {
    interfaces.restrictTo({"vst-lan-b"});
    interfaces.choose({lan("vst-lan-a", kLanA, {{{192, 168, 50, 10}, 24}}),
                       lan("vst-lan-b", kLanB, {{{10, 77, 0, 10}, 24}})});
    EXPECT_FALSE(deliver(cameraReply(kCamera), kLanA));
    EXPECT_TRUE(deliver(cameraReply(kStranger), kLanB));
    EXPECT_EQ(inbox.take().size(), 1u);
    EXPECT_EQ(inbox.counts().elsewhere, 1);
    EXPECT_EQ(routes.interfaceOf(kCamera), std::nullopt);
}

// Notes what the decoder handed on, and how many cameras the list had at that moment.
class NotingHandler : public ReplyHandler {
public:
    explicit NotingHandler(const CameraList& list) : list_(list) {}
    void onStatusReply(ReplyCode, std::uint8_t status) override {
        seen.push_back("status " + std::to_string(status) + " with " +
                       std::to_string(list_.rowCount()) + " cameras");
    }
    std::vector<std::string> seen;

private:
    const CameraList& list_;
};

// A batch reaches the list and the decoder as if each datagram had been decoded alone, but the
// cameras between two handled replies join the list in one go.
TEST_F(Receiving, ABatchIsDeliveredInArrivalOrderWithTheCamerasInRuns) {
    CameraList list;
    TDeviceItem selected;
    selected.macText = "02:56:49:00:00:01";
    CameraDiscovery discovery(list, selected);
    int listChanges = 0;
    discovery.setListChanged([&listChanges] { ++listChanges; });
    NotingHandler handler(list);
    for (std::uint8_t last = 1; last <= 4; ++last) {
        deliver(cameraReply({0x02, 0x56, 0x49, 0x00, 0x00, last}), kLanA);
    }
    deliver(statusReply(kStranger, 9), kLanA); // from another camera: dropped, no break
    deliver(statusReply(kCamera, 7), kLanA);
    deliver(cameraReply({0x02, 0x56, 0x49, 0x00, 0x00, 5}), kLanB);
    deliverReplies(inbox.take(), discovery, selected.macText, handler);
    EXPECT_EQ(handler.seen, (std::vector<std::string>{"status 7 with 4 cameras"}));
    EXPECT_EQ(list.rowCount(), 5);
    EXPECT_EQ(listChanges, 2);
}

} // namespace
} // namespace vistrel::net
