// The login for the live picture over the demo cameras of vistrel-camsim, through the real
// dialog: a reachable camera opens the preview beside the main window with its moving picture,
// and a click pans it; the camera that never answers gets the connect-failure warning after the
// probe. Also the hand-over to the preview at the end of the set-up. Runs inside the private
// network namespace of scripts/netns.

#include "camhttp/windows/form_preview.h"
#include "support/camera_rows.h"
#include "support/camsim_process.h"
#include "support/main_window_fixture.h"
#include "support/modal_answers.h"
#include "support/private_network.h"
#include "support/scripted_picture_source.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace vistrel {

namespace {

constexpr int kWaitMs = 10000;

using test::rowOf;

} // namespace

class PreviewLoginTest : public QObject, private test::MainWindowFixture {
    Q_OBJECT

private:
    std::unique_ptr<camsim::test::CamsimProcess> cameras;
    std::shared_ptr<test::PictureSourceScript> script;

    // The camera's card clicked, and its settings reply arrived.
    void selectCamera(const std::string& name, const std::string& mac) {
        QVERIFY(test::clickCameraCard(*form, name));
        const CameraCredentials& credentials = form->configuration().credentials;
        QTRY_VERIFY_WITH_TIMEOUT(credentials.credentialSourceMac == mac ||
                                     credentials.scrambledPasswordSourceMac == mac,
                                 kWaitMs);
    }

    // The card's preview square: the login for the live picture.
    void clickPreviewSquare(const std::string& name) {
        CameraCardList& cards = form->ListBox_IPCAM();
        const int row = rowOf(form->cameraList(), name);
        QTest::mouseClick(cards.viewport(), Qt::LeftButton, {},
                          cards.itemRect(row).topLeft() + QPoint(450, 50));
    }

    // A stream that opens silently, recording where it was opened, instead of the camera's.
    void useScriptedStream() {
        script = std::make_shared<test::PictureSourceScript>();
        script->silentOpening = true;
        form->previewWindow().setPictureSourceFactory(
            [this] { return std::make_unique<test::ScriptedPictureSource>(script); });
    }

    static qint64 timedStop(TForm_Preview& preview) {
        QElapsedTimer timer;
        timer.start();
        preview.Stop_View();
        return timer.elapsed();
    }

private slots:
    void initTestCase() { VISTREL_QSKIP_OUTSIDE_PRIVATE_NETWORK(); }

    void init() {
        cameras =
            std::make_unique<camsim::test::CamsimProcess>(QStringLiteral(VISTREL_DEMO_SCENARIO));
        QVERIFY(cameras->waitUntilReady());
        start({.network = true, .firstTick = false});
        QTRY_COMPARE_WITH_TIMEOUT(form->ListBox_IPCAM().count(), 7, kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!form->searchCycle().busy(), kWaitMs);
    }

    void cleanup() {
        stop();
        cameras.reset();
    }

    void rightPasswordOpensMovingPicturesAndAClickPansTheCamera_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("mac");
        QTest::addColumn<QString>("password");
        QTest::newRow("Basic camera")
            << QStringLiteral("Garage") << QStringLiteral("02:56:49:00:00:04")
            << QStringLiteral("garage42");
        QTest::newRow("Digest camera")
            << QStringLiteral("Living room") << QStringLiteral("02:56:49:00:00:03")
            << QStringLiteral("Lounge-7");
    }

    void rightPasswordOpensMovingPicturesAndAClickPansTheCamera() {
        QFETCH(QString, name);
        QFETCH(QString, mac);
        QFETCH(QString, password);
        selectCamera(name.toStdString(), mac.toStdString());
        TForm_Preview& preview = form->previewWindow();
        QSignalSpy shown(&preview, &TForm_Preview::pictureShown);
        QVERIFY(test::ModalAnswers().then(form->loginDialog(), logIn(password)).run([&] {
            clickPreviewSquare(name.toStdString());
        }));

        QVERIFY(preview.isVisible());
        const QRect main = form->frameGeometry();
        QCOMPARE(preview.pos(), QPoint(main.right() + 1 + 10, main.top() + main.height() / 4));
        // Moving pictures: each one carries the camera's clock and number.
        QTRY_VERIFY_WITH_TIMEOUT(shown.count() >= 2, kWaitMs);
        const QImage first = preview.paintBox()->picture();
        const int seen = shown.count();
        QTRY_VERIFY_WITH_TIMEOUT(shown.count() >= seen + 2, kWaitMs);
        QVERIFY(preview.paintBox()->picture() != first);

        QTest::mouseClick(preview.paintBox(), Qt::LeftButton, {}, QPoint(300, 20));
        preview.waitForPanTilt();
        const QJsonObject move =
            cameras->lastLogLineOf(QStringLiteral("POST /camera-cgi/com/ptz.cgi"));
        const QJsonObject fields = move.value(QStringLiteral("fields")).toObject();
        QCOMPARE(move.value(QStringLiteral("camera")).toString(), mac);
        QCOMPARE(fields.value(QStringLiteral("move")).toString(), QStringLiteral("upright"));
        QCOMPARE(fields.value(QStringLiteral("authorization")).toString(), QStringLiteral("Basic"));
        QVERIFY(
            move.value(QStringLiteral("verdict")).toString().startsWith(QLatin1String("applied")));
        QVERIFY(timedStop(preview) < 500);
    }

    void streamOpensWithTheCamerasAddressPortAndTheTypedPassword() {
        useScriptedStream();
        selectCamera("Garage", "02:56:49:00:00:04");
        QVERIFY(test::ModalAnswers()
                    .then(form->loginDialog(), logIn(QStringLiteral("garage42")))
                    .run([&] { clickPreviewSquare("Garage"); }));
        QVERIFY(form->previewWindow().viewing());
        QTRY_COMPARE(script->openCount(), 1);
        const std::lock_guard lock(script->mutex);
        QCOMPARE(script->lastTarget.host, std::string("127.0.0.5"));
        QCOMPARE(int(script->lastTarget.port), 8080);
        QCOMPARE(script->lastTarget.password, std::string("garage42"));
    }

    void cameraThatNeverAnswersGetsTheConnectFailedWarning() {
        useScriptedStream();
        selectCamera("Back yard", "02:56:49:00:00:07");
        QString shown;
        QElapsedTimer sinceOk;
        qint64 warnedAfterMs = -1;
        const auto logInAndTime = logIn(QStringLiteral("hedgehog"));
        // The probe runs off the GUI thread: timers go on, under a busy cursor.
        int ticks = 0;
        int busyTicks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] {
            ++ticks;
            const QCursor* cursor = QGuiApplication::overrideCursor();
            busyTicks += cursor && cursor->shape() == Qt::WaitCursor ? 1 : 0;
        });
        ticker.start(50);
        QVERIFY(test::ModalAnswers(5000)
                    .then(form->loginDialog(),
                          [&] {
                              sinceOk.start();
                              logInAndTime();
                          })
                    .then(form->messageBox(),
                          [&] {
                              warnedAfterMs = sinceOk.elapsed();
                              shown = form->messageBox().MessageText();
                              QTest::mouseClick(form->messageBox().findChild<QPushButton*>(
                                                    QStringLiteral("Button_Message_Box_OK")),
                                                Qt::LeftButton);
                          })
                    .run([&] { clickPreviewSquare("Back yard"); }));

        const QString section = form->language().languageSection();
        QCOMPARE(shown, LookupText(section, QStringLiteral("Connect_Camera_Failed1")) +
                            QStringLiteral("\r\n\r\n") +
                            LookupText(section, QStringLiteral("Connect_Camera_Failed2")));
        QCOMPARE(form->messageBox().windowTitle(), QStringLiteral("Warning"));
        // Two unanswered echoes of one second each, then the warning at once.
        QVERIFY2(warnedAfterMs >= 1900 && warnedAfterMs < 3500,
                 qPrintable(QString::number(warnedAfterMs)));
        QVERIFY(!form->previewWindow().isVisible());
        QCOMPARE(script->openCount(), 0);
        QVERIFY2(busyTicks >= 20, qPrintable(QString::number(busyTicks)));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void handOverAfterSetUpProbesThenOpensThePreviewWithTheNewPassword() {
        useScriptedStream();
        form->previewWindow().setHandOverPause(std::chrono::milliseconds(20));
        int closes = 0;
        const auto closeWindow = [&] { ++closes; };

        selectCamera("Back yard", "02:56:49:00:00:07");
        form->handOverToPreview(true, closeWindow);
        QCOMPARE(closes, 0); // the message box stays open with the connect failure
        QVERIFY(form->messageBox().MessageText().contains(LookupText(
            form->language().languageSection(), QStringLiteral("Connect_Camera_Failed2"))));
        QVERIFY(!form->previewWindow().isVisible());

        selectCamera("Garage", "02:56:49:00:00:04");
        form->wizard().pages().name.account.password->setText(QStringLiteral("new-garage"));
        form->handOverToPreview(true, closeWindow);
        QCOMPARE(closes, 1);
        QVERIFY(form->previewWindow().isVisible());
        QTRY_COMPARE(script->openCount(), 1);
        const std::lock_guard lock(script->mutex);
        QCOMPARE(script->lastTarget.host, std::string("127.0.0.5"));
        QCOMPARE(script->lastTarget.password, std::string("new-garage"));
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::PreviewLoginTest)
#include "preview_login_test.moc"
