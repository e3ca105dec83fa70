// The preview window over scripted picture sources: the worker's start, stop and restart with
// a silent camera, pictures shown and repainted, bad pictures skipped, no busy loop over a
// failed stream, placement, the hand-over after the set-up, and pan/tilt clicks.

#include "camhttp/windows/form_preview.h"
#include "support/jpeg_fixtures.h"
#include "support/scripted_picture_source.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <mutex>

namespace vistrel {

namespace {

constexpr test::Rgb kRed{230, 20, 20};
constexpr test::Rgb kBlue{20, 20, 230};
// Stop_View must return within 100 ms; the bound leaves room for a loaded test machine.
constexpr qint64 kStopBoundMs = 500;

std::vector<std::uint8_t> picture(test::Rgb left, test::Rgb right, int width = 640,
                                  int height = 480) {
    return test::encodeJpeg(test::twoHalves(width, height, left, right));
}

bool near(QColor shown, test::Rgb wanted) {
    return std::abs(shown.red() - wanted.r) < 16 && std::abs(shown.green() - wanted.g) < 16 &&
           std::abs(shown.blue() - wanted.b) < 16;
}

const StreamTarget kTarget{"127.0.0.5", 8080, "garage42"};

struct PanTiltCall {
    StreamTarget target;
    std::string direction;
};

} // namespace

class PreviewWindowTest : public QObject {
    Q_OBJECT

private:
    std::shared_ptr<test::PictureSourceScript> script;
    std::unique_ptr<TForm_Preview> preview;
    int sourcesMade = 0;

    // Stops the worker and returns how long it took.
    qint64 timedStop() {
        QElapsedTimer timer;
        timer.start();
        preview->Stop_View();
        return timer.elapsed();
    }

    // The box as the screen shows it.
    QImage shownBox() { return preview->paintBox()->grab().toImage(); }

private slots:
    void init() {
        script = std::make_shared<test::PictureSourceScript>();
        sourcesMade = 0;
        preview = std::make_unique<TForm_Preview>();
        preview->setPictureSourceFactory([this] {
            ++sourcesMade;
            return std::make_unique<test::ScriptedPictureSource>(script);
        });
        preview->setStreamTargetSource([] { return kTarget; });
        preview->setReopenPause(std::chrono::milliseconds(50));
    }
    void cleanup() { preview.reset(); }

    void stopAndRestartWithASilentCamera_data() {
        QTest::addColumn<bool>("silentOpening");
        QTest::newRow("silent while opening") << true;
        QTest::newRow("silent after the header") << false;
    }

    void stopAndRestartWithASilentCamera() {
        QFETCH(bool, silentOpening);
        script->silentOpening = silentOpening;
        for (int round = 1; round <= 3; ++round) {
            preview->Start_View();
            QVERIFY(preview->viewing());
            QTRY_COMPARE(script->openCount(), round);
            const qint64 stopMs = timedStop();
            QVERIFY2(stopMs < kStopBoundMs, qPrintable(QStringLiteral("%1 ms").arg(stopMs)));
            QVERIFY(!preview->viewing());
        }
        QCOMPARE(sourcesMade, 3); // every start opens a new stream
        QCOMPARE(script->lastTarget.host, kTarget.host);
        QCOMPARE(script->lastTarget.port, kTarget.port);
        QCOMPARE(script->lastTarget.password, kTarget.password);
    }

    void startWhileRunningDoesNothingAndOpenPreviewRestarts() {
        script->silentOpening = true;
        preview->Start_View();
        preview->Start_View();
        QTRY_COMPARE(script->openCount(), 1);
        QCOMPARE(sourcesMade, 1);

        QWidget mainWindow;
        mainWindow.setGeometry(100, 50, 524, 495);
        preview->Open_Preview(mainWindow);
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->pos(), QPoint(100 + 524 + 10, 50 + 495 / 4));
        QTRY_COMPARE(script->openCount(), 2);
        QCOMPARE(sourcesMade, 2);
        QVERIFY(timedStop() < kStopBoundMs);
    }

    void closingTheWindowStopsTheWorker() {
        preview->show();
        preview->Start_View();
        QTRY_COMPARE(script->openCount(), 1);
        QElapsedTimer timer;
        timer.start();
        preview->close();
        QVERIFY(timer.elapsed() < kStopBoundMs);
        QVERIFY(!preview->viewing());
    }

    void picturesAreShownStretchedAndBadOnesSkipped() {
        QSignalSpy shown(preview.get(), &TForm_Preview::pictureShown);
        script->pictures = {picture(kRed, kBlue),
                            {0x00, 0x01, 0x02},                         // no markers
                            {0xFF, 0xD8, 0x12, 0x34, 0x56, 0xFF, 0xD9}, // does not decode
                            picture(kBlue, kRed, 1920, 1080)};
        preview->show();
        QVERIFY(QTest::qWaitForWindowExposed(preview.get()));
        preview->Start_View();
        QTRY_COMPARE(shown.count(), 2);
        QCOMPARE(script->picturesRead, 4);
        // The 1920 × 1080 picture fills the box: blue left, red right.
        const QImage box = shownBox();
        QCOMPARE(box.size(), QSize(320, 240));
        QVERIFY(near(box.pixelColor(3, 3), kBlue));
        QVERIFY(near(box.pixelColor(150, 236), kBlue));
        QVERIFY(near(box.pixelColor(170, 3), kRed));
        QVERIFY(near(box.pixelColor(316, 236), kRed));
    }

    void lastPictureIsPaintedAgainWhenUncovered() {
        script->pictures = {picture(kRed, kRed)};
        preview->show();
        QVERIFY(QTest::qWaitForWindowExposed(preview.get()));
        QSignalSpy shown(preview.get(), &TForm_Preview::pictureShown);
        preview->Start_View();
        QTRY_COMPARE(shown.count(), 1);
        preview->Stop_View();

        preview->hide();
        preview->show();
        QVERIFY(QTest::qWaitForWindowExposed(preview.get()));
        QImage exposed(preview->size(), QImage::Format_RGB32);
        exposed.fill(Qt::black);
        preview->render(&exposed); // what an expose paints: the box from what it keeps
        QVERIFY(near(exposed.pixelColor(160, 120), kRed));
        QVERIFY(near(exposed.pixelColor(319, 239), kRed));
    }

    void picturesAsFastAsTheyComeStillStopAtOnce() {
        script->pictures = {picture(kRed, kBlue)};
        script->then = test::PictureSourceScript::Then::SamePictureAgain;
        QSignalSpy shown(preview.get(), &TForm_Preview::pictureShown);
        preview->show();
        preview->Start_View();
        QTRY_VERIFY(shown.count() >= 20);
        // The worker waits in the hand-over while the GUI thread stops it.
        const qint64 stopMs = timedStop();
        QVERIFY2(stopMs < kStopBoundMs, qPrintable(QStringLiteral("%1 ms").arg(stopMs)));
        const int afterStop = shown.count();
        QTest::qWait(50);
        QCOMPARE(shown.count(), afterStop);
    }

    void failedStreamsAreReopenedAfterAPauseWithoutSpinning_data() {
        QTest::addColumn<int>("opening");
        QTest::addColumn<bool>("closesAfterOpening");
        QTest::newRow("no connection") << int(StreamOpening::ConnectFailed) << false;
        QTest::newRow("timed out") << int(StreamOpening::TimedOut) << false;
        QTest::newRow("closed after opening") << int(StreamOpening::Opened) << true;
    }

    void failedStreamsAreReopenedAfterAPauseWithoutSpinning() {
        QFETCH(int, opening);
        QFETCH(bool, closesAfterOpening);
        script->opening = StreamOpening(opening);
        if (closesAfterOpening) {
            script->then = test::PictureSourceScript::Then::Close;
        }
        preview->Start_View();
        QTest::qWait(500);
        const int opens = script->openCount();
        preview->Stop_View();
        // One open, then one every 50 ms: about ten, never thousands.
        QVERIFY2(opens >= 3 && opens <= 12, qPrintable(QString::number(opens)));
    }

    void refusedPasswordIsNotTriedAgain() {
        script->opening = StreamOpening::Refused;
        preview->Start_View();
        QTest::qWait(300);
        QCOMPARE(script->openCount(), 1);
        QVERIFY(timedStop() < kStopBoundMs);
    }

    void handOverAfterSetUpPausesWithoutFreezingThenStarts() {
        script->silentOpening = true;
        preview->setHandOverPause(std::chrono::milliseconds(300));
        QWidget mainWindow;
        mainWindow.setGeometry(20, 30, 524, 495);
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
        ticker.start(20);
        QElapsedTimer timer;
        timer.start();
        qint64 searchedAt = -1;
        bool visibleAtSearch = true;

        preview->Open_PreviewAfterSetup(mainWindow, [&] {
            searchedAt = timer.elapsed();
            visibleAtSearch = preview->isVisible();
        });

        QVERIFY(searchedAt >= 300);
        QVERIFY(!visibleAtSearch);
        QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks))); // timers went on meanwhile
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->pos(), QPoint(20 + 524 + 10, 30 + 495 / 4));
        QVERIFY(preview->viewing());
        QTRY_COMPARE(script->openCount(), 1);
    }

    void clicksPanAndTiltWithTheStreamsPasswordAtMostEvery600Ms() {
        std::mutex mutex;
        std::vector<PanTiltCall> calls;
        preview->setPanTiltSender([&](const StreamTarget& target, std::string_view direction) {
            const std::lock_guard lock(mutex);
            calls.push_back({target, std::string(direction)});
            return PanTiltResult{PanTiltOutcome::Accepted, 200};
        });
        std::chrono::milliseconds now{50000};
        preview->setClock([&] { return now; });
        script->silentOpening = true;
        preview->show();
        QVERIFY(QTest::qWaitForWindowExposed(preview.get()));
        preview->Start_View();

        struct Click {
            int atMs;
            QPoint position;
        };
        // Upper right; too soon; the middle counts as acted on; too soon after the middle;
        // lower left.
        const Click clicks[]{{50000, {300, 20}},
                             {50300, {300, 20}},
                             {51000, {160, 120}},
                             {51300, {10, 230}},
                             {51700, {10, 230}}};
        for (const Click& click : clicks) {
            now = std::chrono::milliseconds(click.atMs);
            QTest::mouseClick(preview->paintBox(), Qt::LeftButton, {}, click.position);
        }
        preview->waitForPanTilt();
        const std::lock_guard lock(mutex);
        QCOMPARE(calls.size(), std::size_t{2});
        QCOMPARE(calls[0].direction, std::string("upright"));
        QCOMPARE(calls[1].direction, std::string("downleft"));
        QCOMPARE(calls[0].target.host, kTarget.host);
        QCOMPARE(calls[0].target.port, kTarget.port);
        QCOMPARE(calls[0].target.password, kTarget.password);
    }

    void refusedPanTiltIsLoggedWithoutAWindow() {
        preview->setPanTiltSender([](const StreamTarget&, std::string_view) {
            return PanTiltResult{PanTiltOutcome::Refused, 401};
        });
        script->silentOpening = true;
        preview->Start_View();
        QTest::ignoreMessage(QtWarningMsg, "pan/tilt \"right\" to 127.0.0.5:8080: refused (401)");
        preview->PaintBox_PreviewMouseDown({310, 120});
        preview->waitForPanTilt();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void clicksBeforeAnyStreamSendNothing() {
        int sent = 0;
        preview->setPanTiltSender([&](const StreamTarget&, std::string_view) {
            ++sent;
            return PanTiltResult{PanTiltOutcome::Accepted, 200};
        });
        preview->PaintBox_PreviewMouseDown({300, 20});
        preview->waitForPanTilt();
        QCOMPARE(sent, 0);
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::PreviewWindowTest)
#include "preview_window_test.moc"
