// Many cameras answer one search at once (1,000 unless the first argument says otherwise):
// prints how many the window listed, the time from the first reply to the camera list fully
// drawn, and the longest time the GUI thread was busy without a break, each against its
// target. Runs inside the private network namespace of scripts/netns, on the offscreen
// platform.

#include "camera_count_argument.h"
#include "protocol/admin_datagram.h"
#include "shell/main_window.h"
#include "support/datagram_fixtures.h"
#include "support/private_network.h"
#include "support/udp_peer.h"
#include "target_verdict.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

using namespace vistrel;

constexpr double kDrawnTargetMs = 150;
constexpr double kStallTargetMs = 16;
constexpr int kGiveUpMs = 10000;

// Notes when the watched widget was last painted.
class PaintWatch : public QObject {
public:
    QElapsedTimer* clock = nullptr;
    qint64 lastPaint = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            lastPaint = clock->nsecsElapsed();
        }
        return QObject::eventFilter(watched, event);
    }
};

void sendBurst(test::UdpPeer& cameras, int count) {
    for (int i = 0; i < count; ++i) {
        test::DiscoveryReplyFields fields;
        fields.mac = {
            0x00, 0x1a, 0x2b, static_cast<std::uint8_t>(i >> 8), static_cast<std::uint8_t>(i),
            0x07};
        fields.setupFlagA = static_cast<std::uint8_t>(i % 2);
        fields.setupFlagB = static_cast<std::uint8_t>(i % 3);
        fields.modelNumber = static_cast<std::uint8_t>(1 + i % 50);
        cameras.broadcast(test::discoveryReply(fields), kAdminPort);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const std::optional<int> count = bench::cameraCountArgument(argc, argv);
    if (!count) {
        return 64;
    }
    const int cameraCount = *count;
    if (!test::inPrivateNetworkNamespace()) {
        std::fprintf(stderr, "run inside scripts/netns: this program broadcasts\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    test::UdpPeer cameras(kAdminPort);
    TMainForm form;
    form.Form_OnCreate();
    form.show();
    form.GetDhcp_TimerTimer();     // past the busy first second
    QApplication::processEvents(); // the finder's own discovery broadcast comes back and is dropped

    QElapsedTimer clock;
    PaintWatch paints;
    paints.clock = &clock;
    form.ListBox_IPCAM().viewport()->installEventFilter(&paints);

    sendBurst(cameras, cameraCount); // queued in the finder's receive buffer before it runs again
    qint64 longestStall = 0;
    qint64 lastBeat = 0;
    QTimer heartbeat;
    heartbeat.setInterval(1);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longestStall = std::max(longestStall, now - lastBeat);
        lastBeat = now;
    });
    clock.start();
    heartbeat.start();
    qint64 listed = -1;
    while (clock.elapsed() < kGiveUpMs) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (listed < 0 && form.cameraList().rowCount() == cameraCount) {
            listed = clock.nsecsElapsed();
        }
        if (listed >= 0 && paints.lastPaint > listed) {
            break;
        }
    }
    const int rows = form.cameraList().rowCount();
    const double drawnMs = paints.lastPaint / 1e6;
    const double stallMs = longestStall / 1e6;
    std::printf("%d cameras: %d listed, %s after %.1f ms, longest GUI stall %.1f ms\n", cameraCount,
                rows, listed >= 0 ? "fully drawn" : "last painted", drawnMs, stallMs);
    std::printf("  targets: all listed %s; drawn within %.0f ms %s; no stall above %.0f ms %s\n",
                bench::verdict(rows == cameraCount), kDrawnTargetMs,
                bench::verdict(listed >= 0 && drawnMs <= kDrawnTargetMs), kStallTargetMs,
                bench::verdict(stallMs <= kStallTargetMs));
    return 0;
}
