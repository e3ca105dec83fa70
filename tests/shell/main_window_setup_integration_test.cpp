// A new camera's first set-up against vistrel-camsim, over real datagrams: a wired camera that
// gets its address by DHCP and confirms its link on page 1; a camera whose DHCP never answers,
// given a fixed address on page 9 and found there again; page 7's link test of a wireless
// camera. The timers are ticked by the test, each tick followed by the camera's answer. Runs
// inside the private network namespace of scripts/netns.

#include "discovery/model_names.h"
#include "shell/message_windows/form_finish.h"
#include "support/camsim_process.h"
#include "support/main_window_fixture.h"
#include "support/modal_answers.h"
#include "support/private_network.h"

#include <QLineEdit>
#include <QRadioButton>

namespace vistrel {

namespace {

constexpr int kWaitMs = 10000;
constexpr int kDeliveryMs = 30; // an answer logged by camsim reaches the finder meanwhile

} // namespace

class MainWindowSetupIntegrationTest : public QObject, private test::MainWindowFixture {
    Q_OBJECT

private:
    // The finder with every camera of the scenario listed, past its first second; it ticks
    // its timers only when the test does.
    void startFinder() {
        start({.network = true, .firstTick = false, .timersByTest = true});
        QTRY_COMPARE_WITH_TIMEOUT(form->ListBox_IPCAM().count(), 4, kWaitMs);
        form->GetDhcp_TimerTimer();
        QVERIFY(!form->searchCycle().busy());
        wizard().state().SurveyReceived = true;
    }

    // Clicks the camera's card and waits until its settings reply has arrived.
    void selectCamera(const std::string& name) {
        QVERIFY(test::clickCameraCard(*form, name));
        const std::string mac = form->configuration().camera.macText;
        const CameraCredentials& credentials = form->configuration().credentials;
        QTRY_VERIFY_WITH_TIMEOUT(credentials.credentialSourceMac == mac ||
                                     credentials.scrambledPasswordSourceMac == mac,
                                 kWaitMs);
    }

    void doubleClickCamera(const std::string& name) {
        const int row = test::rowOf(form->cameraList(), name);
        QVERIFY(row >= 0);
        form->ListBox_IPCAM().setCurrentIndex(row);
        QVERIFY(test::ModalAnswers().run([&] { doubleClickCard(row); }));
    }

    // Waits until camsim has answered every request of this command it received, then gives
    // the answers the moment they need to arrive.
    static void settle(camsim::test::CamsimProcess& cameras, const QString& command) {
        const auto balance = [&] {
            int requests = 0;
            int answers = 0;
            for (const QJsonObject& line : cameras.logLines()) {
                const QString logged = line.value(QStringLiteral("command")).toString();
                const QString direction = line.value(QStringLiteral("direction")).toString();
                if (direction == QLatin1String("in") && logged == command) {
                    ++requests;
                } else if (direction == QLatin1String("out") &&
                           logged.right(2) == command.right(2)) {
                    ++answers;
                }
            }
            return requests - answers;
        };
        QTRY_COMPARE_WITH_TIMEOUT(balance(), 0, kWaitMs);
        QTest::qWait(kDeliveryMs);
    }

    // Waits until the selected camera has answered every discovery request camsim received
    // (each camera answers a broadcast of its own), then gives the answers time to arrive.
    void settleDiscovery(camsim::test::CamsimProcess& cameras) {
        const QString mac = QString::fromStdString(form->configuration().camera.macText);
        const auto unanswered = [&] {
            int requests = 0;
            int answers = 0;
            for (const QJsonObject& line : cameras.logLines()) {
                const QString command = line.value(QStringLiteral("command")).toString();
                requests += command == QLatin1String("0x0004");
                answers += command == QLatin1String("0x0104") &&
                           line.value(QStringLiteral("camera")).toString() == mac;
            }
            return requests - answers;
        };
        QTRY_COMPARE_WITH_TIMEOUT(unanswered(), 0, kWaitMs);
        QTest::qWait(kDeliveryMs);
    }

    // Ticks the wizard, each tick followed by the camera's link and discovery answers, until
    // the page changes or the ticks run out.
    void tickWhilePage(camsim::test::CamsimProcess& cameras, WizardPage page, int maxTicks) {
        for (int tick = 0; tick < maxTicks && form->wizard().shownPage() == page; ++tick) {
            form->wizard().Timer_WizardTimer();
            settle(cameras, QStringLiteral("0x0028"));
            settleDiscovery(cameras);
        }
    }

    static int countLogLines(const camsim::test::CamsimProcess& cameras, const QString& command) {
        int count = 0;
        for (const QJsonObject& line : cameras.logLines()) {
            count += line.value(QStringLiteral("command")).toString() == command &&
                     line.value(QStringLiteral("direction")).toString() == QLatin1String("in");
        }
        return count;
    }

private slots:
    void initTestCase() { VISTREL_QSKIP_OUTSIDE_PRIVATE_NETWORK(); }
    void cleanup() { stop(); }

    void wiredCameraWithItsDhcpAddressConfirmsItsLinkOnPageOne() {
        camsim::test::CamsimProcess cameras(QStringLiteral(VISTREL_SETUP_SCENARIO));
        QVERIFY(cameras.waitUntilReady());
        startFinder();
        selectCamera("Hallway");
        QVERIFY(!IsWirelessModel(form->configuration().camera.modelCode));
        doubleClickCamera("Hallway");

        TForm_Wizard& wizard = form->wizard();
        for (int tick = 0; tick < 4 && !wizard.isVisible(); ++tick) {
            form->GetDhcp_TimerTimer();
            settle(cameras, QStringLiteral("0x0026"));
        }
        QVERIFY(wizard.isVisible());
        QCOMPARE(wizard.shownPage(), WizardPage::Dhcp);
        QCOMPARE(wizard.pages().dhcp.addresses[0]->text(), QStringLiteral("127.  0.  0.  2"));

        tickWhilePage(cameras, WizardPage::Dhcp, 12);
        QCOMPARE(wizard.shownPage(), WizardPage::Wire);
        QCOMPARE(wizard.pages().wire.values[0]->text(), QStringLiteral("127.  0.  0.  2"));
        QCOMPARE(cameras.lastLogLineOf(QStringLiteral("0x0028"))
                     .value(QStringLiteral("camera"))
                     .toString(),
                 QStringLiteral("02:56:49:00:01:01"));
        QTest::mouseClick(wizard.pages().wire.next, Qt::LeftButton);
        QCOMPARE(wizard.shownPage(), WizardPage::Name);
    }

    // Both cameras still have their factory password, which the long settings record must
    // prove, whatever an earlier login left in the login dialog.
    void cameraWithoutDhcpGetsAFixedAddressOnPageNineAndIsFoundThere_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("reportsDigest");
        QTest::newRow("factory password reported as digest text")
            << QStringLiteral("Cellar") << true;
        QTest::newRow("factory password reported plainly") << QStringLiteral("Loft") << false;
    }

    void cameraWithoutDhcpGetsAFixedAddressOnPageNineAndIsFoundThere() {
        QFETCH(QString, name);
        QFETCH(bool, reportsDigest);
        camsim::test::CamsimProcess cameras(QStringLiteral(VISTREL_SETUP_SCENARIO));
        QVERIFY(cameras.waitUntilReady());
        startFinder();
        selectCamera(name.toStdString());
        form->loginDialog().setPasswordText(QStringLiteral("another camera's"));
        doubleClickCamera(name.toStdString());

        TMessage_Box_Wchar& box = form->messageBox();
        for (int tick = 0; tick < 4; ++tick) {
            QVERIFY(!box.isVisible());
            form->GetDhcp_TimerTimer();
            settle(cameras, QStringLiteral("0x0026"));
        }
        QVERIFY(box.isVisible());
        QCOMPARE(form->configuration().credentials.digestVerified, reportsDigest);
        QTest::mouseClick(box.findChild<QWidget*>(QStringLiteral("Button_Message_Box_OK")),
                          Qt::LeftButton);
        TForm_Wizard& wizard = form->wizard();
        QVERIFY(wizard.isVisible());
        QCOMPARE(wizard.shownPage(), WizardPage::ManualConfig);

        ManualConfigPage& page = wizard.pages().manualConfig;
        QTest::mouseClick(page.radios.staticIp, Qt::LeftButton);
        const QStringList typed{QStringLiteral("127.0.0.40"), QStringLiteral("255.0.0.0"),
                                QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.1")};
        for (std::size_t i = 0; i < page.edits.size(); ++i) {
            page.edits[i]->setText(typed[static_cast<qsizetype>(i)]);
        }
        QVERIFY(test::ModalAnswers().run([&] { QTest::mouseClick(page.next, Qt::LeftButton); }));
        // The long record proved the factory password, so the camera took the address.
        QTRY_COMPARE_WITH_TIMEOUT(
            cameras.lastLogLineOf(QStringLiteral("0x0003")).value(QStringLiteral("verdict")),
            QJsonValue(QStringLiteral("applied")), kWaitMs);

        tickWhilePage(cameras, WizardPage::ManualConfig, 32);
        QCOMPARE(wizard.shownPage(), WizardPage::Wire);
        // Re-discovery found the camera where it now is.
        QCOMPARE(wizard.pages().wire.values[0]->text(), QStringLiteral("127.  0.  0. 40"));
        QCOMPARE(wizard.pages().wire.values[1]->text(), QStringLiteral("255.0.0.0"));
        QCOMPARE(form->configuration().camera.ipText, std::string("127.  0.  0. 40"));
        QVERIFY(!wizard.Timer_Wizard().isActive());

        // Page 5's name and password go out with the fixed address page 9 sent: without a DHCP
        // server the camera would be stranded by a write that turned DHCP on again.
        QTest::mouseClick(wizard.pages().wire.next, Qt::LeftButton);
        QCOMPARE(wizard.shownPage(), WizardPage::Name);
        AccountRows& account = wizard.pages().name.account;
        account.password->setText(QStringLiteral("n3w-secret"));
        account.confirm->setText(QStringLiteral("n3w-secret"));
        const int writesBefore = countLogLines(cameras, QStringLiteral("0x0003"));
        TForm_Finish& finish = form->finishWindow();
        QVERIFY(test::ModalAnswers().then(finish, [&] { finish.close(); }).run([&] {
            QTest::mouseClick(wizard.pages().name.ok, Qt::LeftButton);
        }));
        QTRY_COMPARE_WITH_TIMEOUT(countLogLines(cameras, QStringLiteral("0x0003")),
                                  writesBefore + 1, kWaitMs);
        const QJsonObject write = cameras.lastLogLineOf(QStringLiteral("0x0003"));
        QCOMPARE(write.value(QStringLiteral("verdict")), QJsonValue(QStringLiteral("applied")));
        const QJsonObject fields = write.value(QStringLiteral("fields")).toObject();
        QCOMPARE(fields.value(QStringLiteral("dhcp")).toInt(), 0);
        QCOMPARE(fields.value(QStringLiteral("ip")).toString(), QStringLiteral("127.0.0.40"));
        QCOMPARE(fields.value(QStringLiteral("netmask")).toString(), QStringLiteral("255.0.0.0"));
        QCOMPARE(fields.value(QStringLiteral("name")).toString(), name);
    }

    void wirelessLinkIsConfirmedOnPageSeven() {
        camsim::test::CamsimProcess cameras(QStringLiteral(VISTREL_SETUP_SCENARIO));
        QVERIFY(cameras.waitUntilReady());
        startFinder();
        selectCamera("Attic");
        QVERIFY(IsWirelessModel(form->configuration().camera.modelCode));

        // Page 7 as the wireless settings' OK leaves it.
        TForm_Wizard& wizard = form->wizard();
        TestPage& page = wizard.pages().test;
        page.next->setEnabled(true);
        for (QWidget* hidden : std::initializer_list<QWidget*>{
                 page.cancel, page.seconds, page.results[0], page.results[1], page.results[2]}) {
            hidden->hide();
        }
        wizard.show();
        wizard.ShowPage(WizardPage::Test);

        QTest::mouseClick(page.next, Qt::LeftButton);
        settle(cameras, QStringLiteral("0x0028"));
        for (int tick = 0; tick < 92 && wizard.Timer_Wizard().isActive(); ++tick) {
            wizard.Timer_WizardTimer();
            settle(cameras, QStringLiteral("0x0028"));
        }
        QVERIFY(!wizard.Timer_Wizard().isActive());
        QCOMPARE(page.results[0]->text(), wizardText("TntLabel_T7_1_OK"));
        QCOMPARE(page.next->text(), wizardText("TntButton_T3_Next"));
        QTest::mouseClick(page.next, Qt::LeftButton);
        QCOMPARE(wizard.shownPage(), WizardPage::Name);
        QCOMPARE(wizard.pages().name.account.name->text(), QStringLiteral("Attic"));
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::MainWindowSetupIntegrationTest)
#include "main_window_setup_integration_test.moc"
