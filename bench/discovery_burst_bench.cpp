// Answers one search of the finder with a burst of discovery replies, one per camera (1,000
// unless the first argument says otherwise), and prints how many cameras the finder listed.
// Runs inside the private network namespace of scripts/netns.

#include "camera_count_argument.h"
#include "protocol/admin_datagram.h"
#include "protocol/request_templates.h"
#include "support/datagram_fixtures.h"
#include "support/private_network.h"
#include "support/udp_peer.h"
#include "target_verdict.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <cstdio>

namespace {

using namespace vistrel;

// A cold start of the finder (libraries and fonts not yet cached) may take several seconds
// before it sends its search; this only guards against a finder that hangs.
constexpr int kStartLimitMs = 60000;

bool isRunning(QProcess& process) {
    process.waitForFinished(0); // notices an exit without an event loop
    return process.state() != QProcess::NotRunning;
}

// Waits for the finder's discovery broadcast, skipping other datagrams, as long as the finder
// runs: once it has exited and nothing is left to read, the broadcast will not come.
bool receiveDiscoveryRequest(test::UdpPeer& cameras, QProcess& finder) {
    const RequestTemplates templates;
    const std::vector<std::uint8_t> discovery(templates.DiscoveryRequest.begin(),
                                              templates.DiscoveryRequest.end());
    const QDeadlineTimer deadline(kStartLimitMs);
    while (true) {
        const auto datagram = cameras.receive(100);
        if (datagram && *datagram == discovery) {
            return true;
        }
        if (!datagram && (!isRunning(finder) || deadline.hasExpired())) {
            return false;
        }
    }
}

void sendBurst(test::UdpPeer& cameras, int count) {
    for (int i = 0; i < count; ++i) {
        test::DiscoveryReplyFields fields;
        fields.mac = {
            0x00, 0x1a, 0x2b, static_cast<std::uint8_t>(i >> 8), static_cast<std::uint8_t>(i),
            0x01};
        fields.setupFlagB = static_cast<std::uint8_t>(i % 3);
        cameras.broadcast(test::discoveryReply(fields), kAdminPort);
    }
}

int fail(QProcess& finder, const char* reason) {
    std::fprintf(stderr, "%s\n", reason);
    if (isRunning(finder)) {
        finder.kill();
        finder.waitForFinished();
    } else {
        std::fprintf(stderr, "the finder stopped with exit code %d: %s\n", finder.exitCode(),
                     finder.readAllStandardError().constData());
    }
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::optional<int> count = bench::cameraCountArgument(argc, argv);
    if (!count) {
        return 64;
    }
    if (!test::inPrivateNetworkNamespace()) {
        std::fprintf(stderr, "run inside scripts/netns: this program broadcasts\n");
        return 1;
    }
    test::UdpPeer cameras(kAdminPort);
    if (!cameras.bound()) {
        std::fprintf(stderr, "cannot bind the admin port\n");
        return 1;
    }
    QProcess finder;
    finder.start(QStringLiteral(VISTREL_FINDER_PATH),
                 {QStringLiteral("--list"), QStringLiteral("--json"), QStringLiteral("--wait"),
                  QStringLiteral("3")});
    if (!finder.waitForStarted(kStartLimitMs)) {
        std::fprintf(stderr, "cannot start the finder: %s\n",
                     finder.errorString().toLocal8Bit().constData());
        return 1;
    }
    if (!receiveDiscoveryRequest(cameras, finder)) {
        return fail(finder, "no discovery request from the finder");
    }
    sendBurst(cameras, *count);
    if (!finder.waitForFinished(15000) || finder.exitStatus() != QProcess::NormalExit ||
        finder.exitCode() != 0) {
        return fail(finder, "the finder did not finish its listing");
    }
    const auto listed = QJsonDocument::fromJson(finder.readAllStandardOutput()).array().size();
    std::printf("burst of %d replies: %lld cameras listed; target all listed %s\n", *count,
                static_cast<long long>(listed), bench::verdict(listed == *count));
    return 0;
}
