// The finder's UDP endpoint over real sockets: it keeps hearing datagrams while a burst is
// decoded in slices. Runs inside the private network namespace of scripts/netns.

#include "net/admin_endpoint.h"
#include "protocol/admin_datagram.h"
#include "support/private_network.h"
#include "support/udp_peer.h"

#include <QTest>
#include <QThread>

namespace vistrel {

class AdminEndpointTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { VISTREL_QSKIP_OUTSIDE_PRIVATE_NETWORK(); }

    // A handler slower than a slice makes the endpoint read the rest of a burst later. The
    // socket's announcement of those datagrams may then arrive when they are read already; the
    // endpoint must not stop hearing the datagrams that follow.
    void keepsHearingAfterABurstDecodedInSlices() {
        AdminEndpoint endpoint;
        QVERIFY(endpoint.bind());
        std::vector<std::uint8_t> last;
        int received = 0;
        endpoint.setReceiveHandler([&](Bytes datagram) {
            ++received;
            last.assign(datagram.begin(), datagram.end());
            QThread::msleep(AdminEndpoint::kSliceMilliseconds + 2);
        });
        test::UdpPeer camera(kAdminPort);
        QVERIFY(camera.bound());
        for (std::uint8_t round = 1; round <= 5; ++round) {
            const int before = received;
            for (std::uint8_t i = 0; i < 4; ++i) {
                QVERIFY(camera.broadcast({round, i}, kAdminPort));
            }
            QTRY_COMPARE_WITH_TIMEOUT(received, before + 4, 3000);
            QCOMPARE(last, (std::vector<std::uint8_t>{round, 3}));
        }
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::AdminEndpointTest)
#include "admin_endpoint_test.moc"
