// Answers one search of the finder with a burst of 1,000 discovery replies and prints how many
// cameras the finder listed. Runs inside the private network namespace of scripts/netns.

#include "protocol/admin_datagram.h"
#include "protocol/request_templates.h"
#include "support/datagram_fixtures.h"
#include "support/private_network.h"
#include "support/udp_peer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <cstdio>

namespace {

using namespace vistrel;

constexpr int kBurst = 1000;

} // namespace

int main() {
    if (!test::inPrivateNetworkNamespace()) {
        std::fprintf(stderr, "run inside scripts/netns: this program broadcasts\n");
        return 1;
    }
    test::UdpPeer cameras(kAdminPort);
    QProcess finder;
    finder.start(QStringLiteral(VISTREL_FINDER_PATH),
                 {QStringLiteral("--list"), QStringLiteral("--json"), QStringLiteral("--wait"),
                  QStringLiteral("3")});
    if (!cameras.bound() || !finder.waitForStarted(5000)) {
        std::fprintf(stderr, "cannot start the finder or bind the admin port\n");
        return 1;
    }
    const std::vector<std::uint8_t> discovery(RequestTemplates().DiscoveryRequest.begin(),
                                              RequestTemplates().DiscoveryRequest.end());
    std::optional<std::vector<std::uint8_t>> request;
    while ((request = cameras.receive(5000)) && *request != discovery) {
    }
    if (!request) {
        std::fprintf(stderr, "no discovery request from the finder\n");
        return 1;
    }
    for (int i = 0; i < kBurst; ++i) {
        test::DiscoveryReplyFields fields;
        fields.mac = {
            0x00, 0x1a, 0x2b, static_cast<std::uint8_t>(i >> 8), static_cast<std::uint8_t>(i),
            0x01};
        fields.setupFlagB = static_cast<std::uint8_t>(i % 3);
        cameras.broadcast(test::discoveryReply(fields), kAdminPort);
    }
    finder.waitForFinished(15000);
    const auto listed = QJsonDocument::fromJson(finder.readAllStandardOutput()).array().size();
    std::printf("burst of %d replies: %lld cameras listed\n", kBurst,
                static_cast<long long>(listed));
    return listed == kBurst ? 0 : 1;
}
