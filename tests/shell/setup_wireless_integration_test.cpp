// The end of a new camera's set-up against vistrel-camsim, walked through the wizard by code
// over real datagrams from page 4 on: the site survey, a network chosen with a key that is
// refused and then one that is sent, WPS started, the name and password, and the finish
// window's OK that opens the live picture with the new password. Runs inside the private
// network namespace of scripts/netns.

#include "camhttp/windows/form_preview.h"
#include "config/camera_opening.h"
#include "setup/dhcp_wait.h"
#include "shell/message_windows/form_finish.h"
#include "support/camsim_process.h"
#include "support/main_window_fixture.h"
#include "support/modal_answers.h"
#include "support/private_network.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

namespace vistrel {

namespace {

constexpr int kWaitMs = 10000;

using test::rowOf;

QJsonObject fieldsOf(const QJsonObject& line) {
    return line.value(QStringLiteral("fields")).toObject();
}

bool applied(const QJsonObject& line) {
    return line.value(QStringLiteral("verdict")).toString() == QLatin1String("applied");
}

} // namespace

class SetupWirelessIntegrationTest : public QObject, private test::MainWindowFixture {
    Q_OBJECT

private:
    std::unique_ptr<camsim::test::CamsimProcess> cameras;

    WConfigPage& page6() { return pages().wconfig; }

    // The camera's card clicked, and its settings reply arrived.
    void selectCamera(const std::string& name, const std::string& mac) {
        QVERIFY(test::clickCameraCard(*form, name));
        const CameraCredentials& credentials = form->configuration().credentials;
        QTRY_VERIFY_WITH_TIMEOUT(credentials.credentialSourceMac == mac, kWaitMs);
    }

    // What the DHCP wait learns from the password the camera reported: whether it is the
    // digest text of the factory password.
    void verifyDigestAsTheDhcpWaitDoes() {
        CameraConfiguration& config = form->configuration();
        DhcpWait wait;
        wait.start(defaultPasswordDigestTextOf(config.camera));
        wait.markReady();
        wait.tick(config.camera.passwordCredential);
        config.credentials.digestVerified = wait.digestVerified();
    }

    QTreeWidgetItem* surveyRow(const QString& ssid) {
        const auto found = page6().survey->findItems(ssid, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.front();
    }

    void clickSurveyRow(const QString& ssid) {
        QTreeWidgetItem* row = surveyRow(ssid);
        QVERIFY(row);
        QTreeWidget* list = page6().survey;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row).center());
    }

    // The warning that page 6's OK shows, acknowledged.
    QString refusalOfOk() {
        QString shown;
        [&] {
            QVERIFY(test::ModalAnswers()
                        .then(form->messageBox(),
                              [&] {
                                  shown = form->messageBox().MessageText();
                                  QTest::mouseClick(form->messageBox().findChild<QPushButton*>(
                                                        QStringLiteral("Button_Message_Box_OK")),
                                                    Qt::LeftButton);
                              })
                        .run([&] { QTest::mouseClick(page6().ok, Qt::LeftButton); }));
        }();
        return shown;
    }

    // The last request of this command that reached the camera, once it is in the log; an
    // empty object when none came in time.
    QJsonObject waitForRequest(const QString& command, const QString& mac) {
        QJsonObject line;
        const bool arrived = QTest::qWaitFor(
            [&] {
                line = cameras->lastLogLineOf(command);
                return line.value(QStringLiteral("camera")).toString() == mac;
            },
            kWaitMs);
        return arrived ? line : QJsonObject();
    }

    int countRequests(const QString& command) const {
        int count = 0;
        for (const QJsonObject& line : cameras->logLines()) {
            count += line.value(QStringLiteral("command")).toString() == command &&
                     line.value(QStringLiteral("direction")).toString() == QLatin1String("in");
        }
        return count;
    }

private slots:
    void initTestCase() { VISTREL_QSKIP_OUTSIDE_PRIVATE_NETWORK(); }

    void init() {
        cameras =
            std::make_unique<camsim::test::CamsimProcess>(QStringLiteral(VISTREL_SETUP_SCENARIO));
        QVERIFY(cameras->waitUntilReady());
        start({.network = true, .firstTick = false});
        QTRY_COMPARE_WITH_TIMEOUT(form->ListBox_IPCAM().count(), 3, kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!form->searchCycle().busy(), kWaitMs);
    }

    void cleanup() {
        stop();
        cameras.reset();
    }

    void surveyKeyWpsNameAndPasswordThenTheLivePicture_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("mac");
        QTest::addColumn<QString>("security"); // of "Vistrel Home" in the camera's list
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("markSize");
        QTest::newRow("plain factory password, short record")
            << QStringLiteral("Porch") << QStringLiteral("02:56:49:00:01:01")
            << QStringLiteral("WPA2PSK(AES)") << 4 << 11;
        QTest::newRow("digest of the factory password, long record")
            << QStringLiteral("Attic") << QStringLiteral("02:56:49:00:01:02")
            << QStringLiteral("WPAPSK(AES)") << 3 << 75;
        QTest::newRow("plain factory password, long record")
            << QStringLiteral("Shed") << QStringLiteral("02:56:49:00:01:03")
            << QStringLiteral("WPA2PSK(AES)") << 4 << 11;
    }

    void surveyKeyWpsNameAndPasswordThenTheLivePicture() {
        QFETCH(QString, name);
        QFETCH(QString, mac);
        QFETCH(QString, security);
        QFETCH(int, mode);
        QFETCH(int, markSize);
        selectCamera(name.toStdString(), mac.toStdString());
        verifyDigestAsTheDhcpWaitDoes();
        QCOMPARE(form->configuration().credentials.digestVerified, markSize == 75);

        // Page 4's Yes: the survey, listed once per network name.
        wizard().ShowPage(WizardPage::Wireless);
        wizard().show();
        QTest::mouseClick(wizard().pages().wireless.yes, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(wizard().state().SurveyReceived, kWaitMs);
        QCOMPARE(page6().survey->findItems(QStringLiteral("Vistrel Home"), Qt::MatchExactly).size(),
                 1);
        QCOMPARE(surveyRow(QStringLiteral("Vistrel Home"))->text(2), security);

        // A key too short for WPA is refused; the right one sends the wireless record.
        clickSurveyRow(QStringLiteral("Vistrel Home"));
        QTest::keyClicks(page6().password, QStringLiteral("short"));
        QCOMPARE(refusalOfOk(), wizardText("Key_Length_Err_Message"));
        QCOMPARE(countRequests(QStringLiteral("0x0023")), 0);
        page6().password->setText(QStringLiteral("correct-horse"));
        QTest::mouseClick(page6().ok, Qt::LeftButton);
        const QJsonObject wireless = waitForRequest(QStringLiteral("0x0023"), mac);
        QVERIFY2(applied(wireless),
                 qPrintable(wireless.value(QStringLiteral("verdict")).toString()));
        QCOMPARE(fieldsOf(wireless).value(QStringLiteral("ssid")).toString(),
                 QStringLiteral("Vistrel Home"));
        QCOMPARE(fieldsOf(wireless).value(QStringLiteral("wpaKey")).toString(),
                 QStringLiteral("correct-horse"));
        QCOMPARE(fieldsOf(wireless).value(QStringLiteral("mode")).toInt(), mode);
        QCOMPARE(wizard().shownPage(), WizardPage::Test);

        // WPS from page 6: the start request reaches the camera, which accepts its digest.
        wizard().ShowPage(WizardPage::WConfig);
        QTest::mouseClick(page6().wps, Qt::LeftButton);
        QTest::mouseClick(wizard().pages().wpsSetup.start, Qt::LeftButton);
        const QJsonObject wps = waitForRequest(QStringLiteral("0x0029"), mac);
        QVERIFY2(applied(wps), qPrintable(wps.value(QStringLiteral("verdict")).toString()));
        wizard().Timer_Wizard().stop();

        // Name and password, then the finish window's OK: the live picture.
        wizard().ShowPage(WizardPage::Name);
        AccountRows& account = wizard().pages().name.account;
        account.name->setText(QStringLiteral("Porch lamp"));
        account.password->setText(QStringLiteral("n3w-secret"));
        account.confirm->setText(QStringLiteral("n3w-secret"));
        TForm_Preview& preview = form->previewWindow();
        preview.setHandOverPause(std::chrono::milliseconds(20));
        QSignalSpy shown(&preview, &TForm_Preview::pictureShown);
        TForm_Finish* finish = &form->finishWindow();
        QString link;
        QVERIFY(test::ModalAnswers()
                    .then(*finish,
                          [&] {
                              link = finish->LinkText();
                              QTest::mouseClick(finish->findChild<QPushButton*>(
                                                    QStringLiteral("Button_Message_Box_OK")),
                                                Qt::LeftButton);
                          })
                    .run([&] { QTest::mouseClick(wizard().pages().name.ok, Qt::LeftButton); }));
        QCOMPARE(link, QStringLiteral("http://") + QString(mac).remove(QLatin1Char(':')) +
                           QStringLiteral(".ddns.vistrel.example"));

        QTRY_COMPARE_WITH_TIMEOUT(countRequests(QStringLiteral("0x0027")), 3, kWaitMs);
        const QJsonObject mark = cameras->lastLogLineOf(QStringLiteral("0x0027"));
        QVERIFY2(applied(mark), qPrintable(mark.value(QStringLiteral("verdict")).toString()));
        QCOMPARE(fieldsOf(mark).contains(QStringLiteral("digest")), markSize == 75);
        const QJsonObject settings = waitForRequest(QStringLiteral("0x0003"), mac);
        QVERIFY2(applied(settings),
                 qPrintable(settings.value(QStringLiteral("verdict")).toString()));
        QCOMPARE(fieldsOf(settings).value(QStringLiteral("name")).toString(),
                 QStringLiteral("Porch lamp"));
        QCOMPARE(fieldsOf(settings).value(QStringLiteral("password")).toString(),
                 QStringLiteral("n3w-secret"));

        // The camera's picture stream takes the new password.
        QVERIFY(preview.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(shown.count() >= 1, kWaitMs);
        QCOMPARE(cameras->lastLogLineOf(QStringLiteral("GET /snapshot.cgi"))
                     .value(QStringLiteral("verdict"))
                     .toString(),
                 QStringLiteral("answered: 200 picture stream"));
        QVERIFY(!wizard().isVisible());
        QVERIFY(wizard().windowFlags().testFlag(Qt::WindowStaysOnTopHint));

        // Found again under its new name, the camera opens to the new password at the login.
        preview.Stop_View();
        preview.hide();
        form->Image_Search_CameraClick();
        QTRY_VERIFY_WITH_TIMEOUT(rowOf(form->cameraList(), "Porch lamp") >= 0, kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!form->searchCycle().busy(), kWaitMs);
        form->configuration().credentials = {}; // so that the wait sees the new settings reply
        selectCamera("Porch lamp", mac.toStdString());
        const int seen = shown.count();
        QVERIFY(test::ModalAnswers()
                    .then(form->loginDialog(), logIn(QStringLiteral("n3w-secret")))
                    .run([&] {
                        CameraCardList& cards = form->ListBox_IPCAM();
                        const int row = rowOf(form->cameraList(), "Porch lamp");
                        QTest::mouseClick(cards.viewport(), Qt::LeftButton, {},
                                          cards.itemRect(row).topLeft() + QPoint(450, 50));
                    }));
        QVERIFY(preview.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(shown.count() > seen, kWaitMs);
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::SetupWirelessIntegrationTest)
#include "setup_wireless_integration_test.moc"
