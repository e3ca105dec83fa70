// The finder's UDP endpoint over real sockets: its thread hears a burst while the GUI thread is
// busy and hands it over in few batches, in arrival order, with where each reply arrived; a
// datagram to a camera goes back out of that interface. Runs inside the private network
// namespace of scripts/netns, where everything arrives on loopback.

#include "net/admin_endpoint.h"
#include "protocol/admin_datagram.h"
#include "protocol/request_templates.h"
#include "support/datagram_fixtures.h"
#include "support/private_network.h"
#include "support/udp_peer.h"

#include <QTest>
#include <QThread>

namespace vistrel {

namespace {

std::vector<std::uint8_t> cameraReply(std::uint16_t number) {
    test::DiscoveryReplyFields fields;
    fields.mac = {0x02,
                  0x56,
                  0x49,
                  0x00,
                  static_cast<std::uint8_t>(number >> 8),
                  static_cast<std::uint8_t>(number)};
    fields.ip = {127, 0, 0, 2};
    return test::discoveryReply(fields);
}

std::string macOfNumber(std::uint16_t number) {
    return formatMacText(macOf(cameraReply(number)));
}

} // namespace

class AdminEndpointTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { VISTREL_QSKIP_OUTSIDE_PRIVATE_NETWORK(); }

    // The GUI thread sleeps through the burst; the endpoint's thread reads it meanwhile, so the
    // kernel drops nothing, and the GUI thread then gets all of it at once.
    void aBurstWaitsForTheGuiThreadInArrivalOrder() {
        AdminEndpoint endpoint;
        std::vector<std::string> macs;
        int batches = 0;
        endpoint.setBatchHandler([&](net::ReplyBatch batch) {
            ++batches;
            for (const net::ReceivedReply& reply : batch) {
                QVERIFY(reply.camera() != nullptr);
                macs.push_back(reply.camera()->row.caption());
                QCOMPARE(reply.camera()->row.interfaceName, std::string("lo"));
                QVERIFY(reply.camera()->row.inSubnet);
            }
        });
        endpoint.SendDatagram(RequestTemplates().DiscoveryRequest); // binds; comes back, dropped
        QVERIFY(endpoint.isBound());
        test::UdpPeer cameras(kAdminPort);
        QVERIFY(cameras.bound());
        constexpr std::uint16_t kCameras = 3000;
        for (std::uint16_t i = 0; i < kCameras; ++i) {
            QVERIFY(cameras.broadcast(cameraReply(i), kAdminPort));
        }
        QThread::msleep(300);
        QTRY_COMPARE_WITH_TIMEOUT(macs.size(), std::size_t{kCameras}, 5000);
        QVERIFY2(batches <= 3, qPrintable(QString::number(batches)));
        for (std::uint16_t i = 0; i < kCameras; ++i) {
            QCOMPARE(macs[i], macOfNumber(i));
        }
        const net::InboxCounts counts = endpoint.receiveCounts();
        QCOMPARE(counts.notReplies, 1); // the discovery request
        QCOMPARE(counts.queue.droppedExpected, 0);
    }

    // One datagram too long for the receive buffer is left out; the endpoint hears on.
    void aDatagramTooLongIsLeftOutAndTheNextOneHeard() {
        AdminEndpoint endpoint;
        int cameras = 0;
        endpoint.setBatchHandler([&](net::ReplyBatch batch) { cameras += int(batch.size()); });
        QVERIFY(endpoint.bind());
        test::UdpPeer peer(kAdminPort);
        std::vector<std::uint8_t> huge = cameraReply(1);
        huge.resize(9000);
        QVERIFY(peer.broadcast(huge, kAdminPort));
        QVERIFY(peer.broadcast(cameraReply(2), kAdminPort));
        QTRY_COMPARE_WITH_TIMEOUT(cameras, 1, 3000);
        QCOMPARE(endpoint.receiveCounts().tooLong, 1);
    }

    // After a camera answered on loopback, a datagram to it leaves out of loopback, from
    // loopback's address, and reaches it.
    void aDatagramToACameraLeavesWhereItAnswered() {
        AdminEndpoint endpoint;
        bool answered = false;
        endpoint.setBatchHandler([&](net::ReplyBatch) { answered = true; });
        endpoint.SendDatagram(RequestTemplates().DiscoveryRequest);
        test::UdpPeer camera(kAdminPort);
        QVERIFY(camera.broadcast(cameraReply(7), kAdminPort));
        QTRY_VERIFY_WITH_TIMEOUT(answered, 3000);
        while (camera.receive(50)) {
        }
        const std::vector<std::uint8_t> query =
            makeRequest(macOf(cameraReply(7)), AdminCommand::SettingsQuery);
        endpoint.SendDatagram(query);
        const auto heard = camera.receive(2000);
        QVERIFY(heard.has_value());
        QCOMPARE(*heard, query);
        const net::TrafficByRoute traffic = endpoint.traffic();
        QCOMPARE(traffic.byInterface.at("lo").datagramsSent, 1);
        QCOMPARE(traffic.byInterface.at("lo").repliesReceived, 1);
        QCOMPARE(traffic.byDefaultRoute.datagramsSent, 1);   // the search
        QCOMPARE(traffic.byDefaultRoute.repliesReceived, 1); // lo was not searched by choice
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::AdminEndpointTest)
#include "admin_endpoint_test.moc"
