// The preview window over the real picture stream against hostile cameras from the scripted
// HTTP server: whatever a camera sends, the window keeps painting, pictures that come after
// the damage are shown, and Stop_View returns at once. Runs inside the private network
// namespace of scripts/netns.

#include "camhttp/picture_stream.h"
#include "camhttp/windows/form_preview.h"
#include "support/jpeg_fixtures.h"
#include "support/private_network.h"
#include "support/scripted_camera.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace vistrel {

namespace {

using test::kStreamHeader;
using test::ScriptedHttpServer;
using test::ScriptedPeer;
using test::streamPart;

// Stop_View must return within 100 ms; the bound leaves room for a loaded test machine.
constexpr qint64 kStopBoundMs = 500;
constexpr int kRunMs = 700;

std::string goodPicture() {
    static const auto jpeg =
        test::encodeJpeg(test::twoHalves(640, 480, {230, 20, 20}, {20, 20, 230}));
    return {jpeg.begin(), jpeg.end()};
}

std::string corruptPicture() {
    std::string bytes = goodPicture();
    for (std::size_t i = 2; i + 2 < bytes.size(); i += 7) {
        bytes[i] = static_cast<char>(bytes[i] ^ 0x5a);
    }
    return bytes;
}

// Sends the bytes once, then the good picture over and over until the client goes.
ScriptedHttpServer::Script thenGoodPictures(std::string bytes) {
    return [bytes](ScriptedPeer& peer) {
        if (peer.readRequest() && peer.send(bytes)) {
            while (peer.send(streamPart(goodPicture()))) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
    };
}

// Sends `repeated` until the client goes, after the opening bytes.
ScriptedHttpServer::Script endlessly(std::string opening, std::string repeated) {
    return [opening, repeated](ScriptedPeer& peer) {
        if (peer.readRequest() && peer.send(opening)) {
            while (peer.send(repeated)) {
            }
        }
    };
}

ScriptedHttpServer::Script closeInTheMiddleOfAPicture() {
    return [](ScriptedPeer& peer) {
        if (peer.readRequest()) {
            const std::string part = streamPart(goodPicture());
            peer.send(kStreamHeader + part + part.substr(0, part.size() / 2));
        }
    };
}

} // namespace

class PreviewHostileCameraTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { VISTREL_QSKIP_OUTSIDE_PRIVATE_NETWORK(); }

    void windowSurvivesTheCamera_data() {
        QTest::addColumn<int>("caseIndex");
        QTest::addColumn<bool>("picturesFollow");
        const char* names[]{"header that never ends",
                            "header line of many megabytes",
                            "part header line of many megabytes",
                            "Content-Length -5",
                            "Content-Length 999999999",
                            "Content-Length abc",
                            "close in the middle of a picture",
                            "pictures without JPEG markers",
                            "corrupt JPEG data",
                            "pictures as fast as the socket takes them"};
        const bool follow[]{false, false, false, true, false, true, true, true, true, true};
        for (int i = 0; i < int(std::size(names)); ++i) {
            QTest::newRow(names[i]) << i << follow[i];
        }
    }

    void windowSurvivesTheCamera() {
        QFETCH(int, caseIndex);
        QFETCH(bool, picturesFollow);
        const std::string megabytes(8 * 1024 * 1024, 'x');
        const std::vector<ScriptedHttpServer::Script> cases{
            endlessly("HTTP/1.1 200 OK\r\n", "X-Filler: more\r\n"),
            endlessly("HTTP/1.1 200 OK\r\nX-Long: " + megabytes, "x"),
            thenGoodPictures(kStreamHeader + "--frame\r\nX-Long: " + megabytes + "\r\n\r\n"),
            thenGoodPictures(kStreamHeader + streamPart(goodPicture(), "-5")),
            thenGoodPictures(kStreamHeader + streamPart(goodPicture(), "999999999")),
            thenGoodPictures(kStreamHeader + streamPart(goodPicture(), "abc")),
            closeInTheMiddleOfAPicture(),
            thenGoodPictures(kStreamHeader + streamPart("no markers here") +
                             streamPart("\xff\xd8 still no picture")),
            thenGoodPictures(kStreamHeader + streamPart(corruptPicture()) +
                             streamPart("\xff\xd8\x01\x02\x03\xff\xd9")),
            endlessly(kStreamHeader, streamPart(goodPicture())),
        };
        ScriptedHttpServer server({cases[std::size_t(caseIndex)]});
        QVERIFY(server.listening());

        TForm_Preview preview;
        preview.setPictureSourceFactory([] { return std::make_unique<PictureStream>(); });
        preview.setStreamTargetSource([&server] {
            return StreamTarget{"127.0.0.1", server.port(), "pw"};
        });
        preview.setReopenPause(std::chrono::milliseconds(100));
        QSignalSpy shown(&preview, &TForm_Preview::pictureShown);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));

        // The GUI thread must answer its timer all along: no wait on the network blocks it.
        QElapsedTimer sinceTick;
        qint64 longestGap = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this,
                [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
        sinceTick.start();
        ticker.start(10);
        preview.Start_View();
        QTest::qWait(kRunMs);
        ticker.stop();
        QVERIFY2(longestGap < 200, qPrintable(QStringLiteral("%1 ms").arg(longestGap)));
        if (picturesFollow) {
            QTRY_VERIFY(shown.count() > 0);
        }

        QElapsedTimer stop;
        stop.start();
        preview.Stop_View();
        QVERIFY2(stop.elapsed() < kStopBoundMs, qPrintable(QString::number(stop.elapsed())));
        // Still painting: a repaint of the box works and shows what it has.
        preview.paintBox()->repaint();
        const QImage box = preview.paintBox()->grab().toImage();
        QCOMPARE(box.size(), QSize(320, 240));
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::PreviewHostileCameraTest)
#include "preview_hostile_camera_test.moc"
