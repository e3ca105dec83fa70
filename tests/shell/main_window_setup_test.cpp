// A new camera's first set-up in the windows, driven tick by tick: the DHCP wait and its three
// ends, the cloud tests of pages 1 and 9, the link test of page 7, WPS's countdown and the
// survey repeat. Requests are recorded instead of sent; the camera's replies are injected as
// datagrams; modal windows are answered with real clicks.

#include "discovery/model_names.h"
#include "support/datagram_fixtures.h"
#include "support/main_window_fixture.h"
#include "support/modal_answers.h"
#include "support/settings_reply_fixtures.h"

#include <QLineEdit>
#include <QRadioButton>
#include <vector>

namespace vistrel {

namespace {

constexpr MacAddress kCameraMac{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
constexpr int kDhcpStatus = 0x26;
constexpr int kLinkStatus = 0x28;
constexpr int kWpsStatus = 0x30;
constexpr int kDiscovery = 0x0004;
constexpr int kSurvey = 0x000A;
constexpr int kShortSettingsWrite = 0x0003;

} // namespace

// The finder's timers tick only when a test calls their handlers.
class MainWindowSetupTest : public QObject, private test::MainWindowFixture {
    Q_OBJECT

private:
    // A new camera at 192.168.2.3, selected, whose settings reply reported this password.
    void selectNewCamera(std::string_view credential = "2580") {
        test::DiscoveryReplyFields fields;
        fields.mac = kCameraMac;
        fields.setupFlagA = 0;
        form->decodeDatagram(test::discoveryReply(fields));
        clickCard();
        test::FixedReplyFields settings;
        settings.longForm = !usesShortSettingsLayout(form->configuration().camera.modelCode);
        settings.credential = credential;
        form->decodeDatagram(test::fixedSettingsReply(kCameraMac, settings));
    }

    // The double-click on a new camera opens no window: it starts the DHCP wait.
    void startDhcpWait() {
        QVERIFY(test::ModalAnswers().run([&] { doubleClickCard(); }));
        QVERIFY(form->GetDhcp_Timer().isActive());
    }

    void statusReply(int code, std::uint8_t status) {
        form->decodeDatagram(test::reply(kCameraMac, static_cast<std::uint8_t>(code), {status}));
    }

    void wizardTicks(int count) {
        for (int i = 0; i < count; ++i) {
            wizard().Timer_WizardTimer();
        }
    }

    WizardPage confirmedPage() {
        return IsWirelessModel(form->configuration().camera.modelCode) ? WizardPage::Wireless
                                                                       : WizardPage::Wire;
    }

    AddressValues& confirmedValues() {
        return confirmedPage() == WizardPage::Wireless ? pages().wireless.values
                                                       : pages().wire.values;
    }

    // The DHCP wait without an answer, then the failure message's OK: page 9 in the window.
    void failDhcpWait() {
        selectNewCamera();
        startDhcpWait();
        for (int tick = 0; tick < 4; ++tick) {
            form->GetDhcp_TimerTimer();
        }
        QVERIFY(form->messageBox().isVisible());
        QTest::mouseClick(
            form->messageBox().findChild<QWidget*>(QStringLiteral("Button_Message_Box_OK")),
            Qt::LeftButton);
        QVERIFY(wizard().isVisible());
    }

    // Page 9's Next with a fixed address in the camera's subnet.
    void sendFixedAddress() {
        const QStringList typed{QStringLiteral("192.168.2.40"), QStringLiteral("255.255.255.0"),
                                QStringLiteral("192.168.2.1"), QStringLiteral("192.168.2.1")};
        for (std::size_t i = 0; i < 4; ++i) {
            pages().manualConfig.edits[i]->setText(typed[static_cast<qsizetype>(i)]);
        }
        requests.sent.clear();
        QVERIFY(test::ModalAnswers().run(
            [&] { QTest::mouseClick(pages().manualConfig.next, Qt::LeftButton); }));
    }

    // Page 7 as page 6's OK leaves it: Next usable, the countdown, results and Cancel hidden.
    void preparePageSeven() {
        TestPage& page = pages().test;
        page.next->setEnabled(true);
        for (QWidget* hidden : std::initializer_list<QWidget*>{
                 page.cancel, page.seconds, page.results[0], page.results[1], page.results[2]}) {
            hidden->hide();
        }
        wizard().show();
        wizard().ShowPage(WizardPage::Test);
    }

private slots:
    void init() {
        start({.timersByTest = true});
        wizard().state().SurveyReceived = true;
    }
    void cleanup() { stop(); }

    void cameraWithItsAddressGoesFromPageOneToThePageOfItsKind() {
        selectNewCamera();
        startDhcpWait();
        requests.sent.clear();
        form->GetDhcp_TimerTimer();
        QCOMPARE(sentCommands(), std::vector<int>{kDhcpStatus});
        statusReply(kDhcpStatus, 1);
        form->GetDhcp_TimerTimer();
        QVERIFY(!form->GetDhcp_Timer().isActive());
        QVERIFY(wizard().isVisible());
        QCOMPARE(wizard().shownPage(), WizardPage::Dhcp);
        QCOMPARE(pages().dhcp.addresses[0]->text(), QStringLiteral("192.168.  2.  3"));
        QCOMPARE(pages().dhcp.addresses[3]->text(), QStringLiteral("192.168.  2.254"));
        QVERIFY(pages().dhcp.seconds->isVisible());
        QCOMPARE(pages().dhcp.seconds->text(), QStringLiteral("10"));
        QVERIFY(wizard().Timer_Wizard().isActive());

        requests.sent.clear();
        wizardTicks(2);
        QCOMPARE(pages().dhcp.seconds->text(), QStringLiteral("9"));
        QCOMPARE(sentCommands(), std::vector<int>{kLinkStatus});
        statusReply(kLinkStatus, 1);
        wizardTicks(1);
        QVERIFY(!wizard().Timer_Wizard().isActive());
        QCOMPARE(wizard().shownPage(), confirmedPage());
        QCOMPARE(confirmedValues()[0]->text(), QStringLiteral("192.168.  2.  3"));
        QCOMPARE(confirmedValues()[1]->text(), QStringLiteral("255.255.255.  0"));

        QTest::mouseClick(confirmedPage() == WizardPage::Wire ? pages().wire.next
                                                              : pages().wireless.no,
                          Qt::LeftButton);
        QCOMPARE(wizard().shownPage(), WizardPage::Name);
        QCOMPARE(pages().name.account.name->text(), QStringLiteral("Porch"));
    }

    void pageOneThatNeverHearsTheCameraFailsToPageTen() {
        selectNewCamera();
        startDhcpWait();
        statusReply(kDhcpStatus, 1);
        form->GetDhcp_TimerTimer();
        QCOMPARE(wizard().shownPage(), WizardPage::Dhcp);
        requests.sent.clear();
        wizardTicks(11);
        QCOMPARE(wizard().shownPage(), WizardPage::Dhcp);
        QCOMPARE(pages().dhcp.seconds->text(), QStringLiteral("0"));
        wizardTicks(1);
        QCOMPARE(wizard().shownPage(), WizardPage::CloudFailed);
        QCOMPARE(sentCount(kLinkStatus), 4);
        QVERIFY(!wizard().Timer_Wizard().isActive());
        QCOMPARE(pages().cloudFailed.values[0]->text(), QStringLiteral("192.168.  2.  3"));
        QCOMPARE(pages().manualConfig.edits[0]->text(), QStringLiteral("192.168.2.3"));
        QCOMPARE(pages().manualConfig.edits[2]->text(), QStringLiteral("192.168.2.1"));
    }

    void failedDhcpWaitPreparesPageNineBehindItsMessage() {
        selectNewCamera();
        // An earlier set-up left the timer running; page 9 must not count down before Next.
        wizard().Timer_Wizard().start();
        startDhcpWait();
        requests.sent.clear();
        for (int tick = 0; tick < 4; ++tick) {
            QVERIFY(!form->messageBox().isVisible());
            form->GetDhcp_TimerTimer();
        }
        QCOMPARE(sentCommands(), std::vector<int>(4, kDhcpStatus));
        QVERIFY(!form->GetDhcp_Timer().isActive());
        QTRY_VERIFY(form->messageBox().isVisible());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(form->isEnabled());
        QCOMPARE(form->messageBox().MessageText(), text("DHCP_Failed"));
        QCOMPARE(form->messageBox().windowTitle(), QStringLiteral("Warning"));
        QVERIFY(!wizard().isVisible());
        QCOMPARE(wizard().shownPage(), WizardPage::ManualConfig);
        QCOMPARE(pages().manualConfig.edits[0]->text(), QStringLiteral("192.168.2.3"));
        QCOMPARE(pages().manualConfig.edits[1]->text(), QStringLiteral("255.255.255.0"));
        QVERIFY(pages().manualConfig.next->isEnabled());
        QCOMPARE(pages().manualConfig.next->text(), wizardText("TntButton_T3_Next"));
        QVERIFY(pages().manualConfig.seconds->isHidden());
        QVERIFY(!wizard().Timer_Wizard().isActive());

        QTest::mouseClick(
            form->messageBox().findChild<QWidget*>(QStringLiteral("Button_Message_Box_OK")),
            Qt::LeftButton);
        QVERIFY(wizard().isVisible());
        QVERIFY(!form->DhcpFailed());
    }

    void fixedAddressOfPageNineIsConfirmedWhereTheCameraAnswers() {
        failDhcpWait();
        sendFixedAddress();
        const std::vector<int> commands = sentCommands();
        QCOMPARE(commands.front(), kShortSettingsWrite);
        QCOMPARE(commands.back(), kDiscovery);
        ManualConfigPage& page = pages().manualConfig;
        QCOMPARE(page.seconds->text(), QStringLiteral("30"));
        QVERIFY(page.seconds->isVisible());
        QVERIFY(!page.next->isEnabled());
        QCOMPARE(page.next->text(), wizardText("Wait"));
        QVERIFY(!page.radios.dhcp->isEnabled() && !page.edits[0]->isEnabled());
        QVERIFY(wizard().Timer_Wizard().isActive());

        // The camera answers the search from where it now is: its row and CameraAddress move.
        requests.sent.clear();
        wizardTicks(2);
        QCOMPARE(sentCommands(), std::vector<int>{kDiscovery});
        test::DiscoveryReplyFields moved;
        moved.mac = kCameraMac;
        moved.ip = {192, 168, 2, 40};
        moved.setupFlagA = 0;
        form->decodeDatagram(test::discoveryReply(moved));
        QCOMPARE(form->configuration().camera.ipText, std::string("192.168.  2. 40"));
        statusReply(kLinkStatus, 1);
        wizardTicks(1);
        QCOMPARE(wizard().shownPage(), confirmedPage());
        QCOMPARE(confirmedValues()[0]->text(), QStringLiteral("192.168.  2. 40"));
        QCOMPARE(confirmedValues()[2]->text(), QStringLiteral("192.168.2.1"));
        QVERIFY(!wizard().Timer_Wizard().isActive());
    }

    void refusedAddressOnPageNineStartsNoTestButSearchesAgain() {
        failDhcpWait();
        ManualConfigPage& page = pages().manualConfig;
        page.edits[0]->setText(QStringLiteral("0.168.2.40"));
        requests.sent.clear();
        QString shown;
        QVERIFY(test::ModalAnswers()
                    .then(form->messageBox(),
                          [&] {
                              shown = form->messageBox().MessageText();
                              form->messageBox().close();
                          })
                    .run([&] { QTest::mouseClick(page.next, Qt::LeftButton); }));
        QVERIFY(!shown.isEmpty());
        QCOMPARE(sentCommands(), std::vector<int>{kDiscovery});
        QVERIFY(!wizard().Timer_Wizard().isActive());
        QVERIFY(page.seconds->isHidden());
        QVERIFY(page.next->isEnabled() && page.edits[0]->isEnabled());
        QCOMPARE(wizard().shownPage(), WizardPage::ManualConfig);
    }

    void pageNineThatNeverHearsTheCameraFailsToPageTenAndRetryReturns() {
        failDhcpWait();
        sendFixedAddress();
        requests.sent.clear();
        wizardTicks(31);
        QCOMPARE(wizard().shownPage(), WizardPage::ManualConfig);
        wizardTicks(1);
        QCOMPARE(wizard().shownPage(), WizardPage::CloudFailed);
        QCOMPARE(sentCount(kLinkStatus), 10);
        QCOMPARE(sentCount(kDiscovery), 11);
        // No answer moved the camera: page 10 shows the address it was selected at.
        QCOMPARE(pages().cloudFailed.values[0]->text(), QStringLiteral("192.168.  2.  3"));
        QCOMPARE(pages().cloudFailed.values[1]->text(), QStringLiteral("255.255.255.0"));
        QCOMPARE(pages().manualConfig.edits[0]->text(), QStringLiteral("192.168.2.40"));

        QTest::mouseClick(pages().cloudFailed.retry, Qt::LeftButton);
        ManualConfigPage& page = pages().manualConfig;
        QCOMPARE(wizard().shownPage(), WizardPage::ManualConfig);
        QVERIFY(page.next->isEnabled());
        QCOMPARE(page.next->text(), wizardText("TntButton_T3_Next"));
        QVERIFY(page.radios.dhcp->isEnabled() && page.radios.staticIp->isEnabled());
        QVERIFY(page.seconds->isHidden());
    }

    // The search that follows a hand-over to the live picture empties the list a few seconds
    // later; a DHCP wait started meanwhile still needs the timer until it ends.
    void delayedSearchLeavesARunningDhcpWaitItsTimer() {
        selectNewCamera();
        form->searchCycle().requestDelayedSearch();
        for (int tick = 0; tick < 4; ++tick) {
            form->GetDhcp_TimerTimer();
        }
        startDhcpWait();
        requests.sent.clear();
        form->GetDhcp_TimerTimer();
        form->GetDhcp_TimerTimer(); // the search
        QCOMPARE(sentCount(kDiscovery), 1);
        QCOMPARE(form->cameraList().rowCount(), 0);
        QVERIFY(form->GetDhcp_Timer().isActive());
        form->GetDhcp_TimerTimer();
        form->GetDhcp_TimerTimer();
        QCOMPARE(sentCount(kDhcpStatus), 4);
        QTRY_VERIFY(form->messageBox().isVisible()); // no address: page 9's message
        QCOMPARE(wizard().shownPage(), WizardPage::ManualConfig);
        QVERIFY(!form->GetDhcp_Timer().isActive());
    }

    void cameraWithAnotherPasswordAsksForTheLoginWithoutModality() {
        selectNewCamera("not the factory one");
        startDhcpWait();
        requests.sent.clear();
        form->GetDhcp_TimerTimer();
        QVERIFY(!form->loginDialog().isVisible());
        form->GetDhcp_TimerTimer();
        QVERIFY(requests.sent.empty());
        TForm_Login& login = form->loginDialog();
        QVERIFY(login.isVisible());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(!form->isEnabled());
        QVERIFY(!login.PreviewModeFlag());
        QCOMPARE(login.CameraName(), QStringLiteral("Garden"));
        QCOMPARE(login.findChild<QLineEdit*>(QStringLiteral("Password_Edit"))->maxLength(), 63);
        QVERIFY(!form->GetDhcp_Timer().isActive());
        login.close();
        QVERIFY(form->isEnabled());
    }

    void pageSevenFailsAfterNinetySecondsAndNextThenShowsPageEight() {
        preparePageSeven();
        TestPage& page = pages().test;
        requests.sent.clear();
        QTest::mouseClick(page.next, Qt::LeftButton);
        QCOMPARE(sentCommands(), std::vector<int>{kLinkStatus});
        QCOMPARE(page.next->text(), wizardText("Wait"));
        QVERIFY(!page.next->isEnabled());
        QVERIFY(page.cancel->isHidden());
        QCOMPARE(page.seconds->text(), QStringLiteral("90"));
        QVERIFY(page.seconds->isVisible());

        // The countdown goes on in the closed window and ends there.
        wizard().hide();
        wizardTicks(91);
        QVERIFY(page.results[2]->isHidden());
        wizardTicks(1);
        wizard().show();
        QCOMPARE(sentCount(kLinkStatus), 93);
        QVERIFY(!wizard().Timer_Wizard().isActive());
        QVERIFY(page.seconds->isHidden());
        QCOMPARE(page.results[0]->text(), wizardText("TntLabel_T7_1_NOOK"));
        QCOMPARE(page.results[1]->text(), wizardText("TntButton_T10_Retry") + QLatin1Char('?'));
        QCOMPARE(page.results[2]->text(), QString());
        QVERIFY(page.results[2]->isVisible());
        QCOMPARE(page.next->text(), wizardText("TntButton_T10_Retry"));
        QVERIFY(page.next->isEnabled() && page.cancel->isVisible());

        QTest::mouseClick(page.next, Qt::LeftButton);
        QCOMPARE(wizard().shownPage(), WizardPage::RePlugIn);
        pages().wconfig.password->setText(QStringLiteral("old key"));
        QTest::mouseClick(pages().rePlugIn.ok, Qt::LeftButton);
        QCOMPARE(wizard().shownPage(), WizardPage::WConfig);
        QVERIFY(pages().wconfig.password->text().isEmpty());
    }

    void pageSevenConfirmedLeadsToTheNamePage() {
        selectNewCamera();
        preparePageSeven();
        TestPage& page = pages().test;
        QTest::mouseClick(page.next, Qt::LeftButton);
        wizardTicks(5);
        statusReply(kLinkStatus, 1);
        wizardTicks(1);
        QVERIFY(!wizard().Timer_Wizard().isActive());
        QCOMPARE(page.results[0]->text(), wizardText("TntLabel_T7_1_OK"));
        QCOMPARE(page.results[2]->text(), wizardText("TntLabel_T7_3"));
        QCOMPARE(page.next->text(), wizardText("TntButton_T3_Next"));
        QVERIFY(page.next->isEnabled());
        QVERIFY(page.cancel->isHidden()); // a passed test goes on through Next alone
        QTest::mouseClick(page.next, Qt::LeftButton);
        QCOMPARE(wizard().shownPage(), WizardPage::Name);
    }

    void cancelOnPagesSevenAndTenClosesAfterItsMessageWithoutAsking_data() {
        QTest::addColumn<WizardPage>("page");
        QTest::newRow("page 7") << WizardPage::Test;
        QTest::newRow("page 10") << WizardPage::CloudFailed;
    }

    void cancelOnPagesSevenAndTenClosesAfterItsMessageWithoutAsking() {
        QFETCH(WizardPage, page);
        wizard().show();
        wizard().ShowPage(page);
        TTntButton* cancel =
            page == WizardPage::Test ? pages().test.cancel : pages().cloudFailed.cancel;
        cancel->show();
        QString shown;
        QString title;
        QVERIFY(test::ModalAnswers()
                    .then(form->messageBox(),
                          [&] {
                              shown = form->messageBox().MessageText();
                              title = form->messageBox().windowTitle();
                              form->messageBox().close();
                          })
                    .run([&] { QTest::mouseClick(cancel, Qt::LeftButton); }));
        QCOMPARE(shown, wizardText("Cancel_Network_Setup"));
        QCOMPARE(title, QStringLiteral("Admin"));
        QVERIFY(!wizard().isVisible());
        QVERIFY(wizard().state().AskBeforeClose);
    }

    void wpsCountdownEndsInSuccessOrRetry_data() {
        QTest::addColumn<int>("successAfter"); // ticks; 0: never
        QTest::newRow("succeeds") << 7;
        QTest::newRow("times out") << 0;
    }

    void wpsCountdownEndsInSuccessOrRetry() {
        QFETCH(int, successAfter);
        selectNewCamera();
        WpsSetupPage& page = pages().wpsSetup;
        wizard().ShowPage(WizardPage::WpsSetup);
        wizard().state().WpsSeconds = 120;
        wizard().Timer_Wizard().start();
        requests.sent.clear();
        for (int tick = 1; tick <= 121 && wizard().Timer_Wizard().isActive(); ++tick) {
            if (tick == successAfter) {
                statusReply(kWpsStatus, 2);
            }
            wizard().Timer_WizardTimer();
        }
        QVERIFY(!wizard().Timer_Wizard().isActive());
        QVERIFY(page.start->isEnabled() && page.cancel->isEnabled());
        QVERIFY(page.seconds->isHidden());
        const bool succeeded = successAfter != 0;
        QCOMPARE(wizard().state().WpsSucceeded, succeeded);
        QCOMPARE(page.start->text(),
                 wizardText(succeeded ? "TntButton_T3_Next" : "TntButton_T10_Retry"));
        QCOMPARE(page.results[0]->text(),
                 wizardText(succeeded ? "TntLabel_T11_1_OK" : "TntLabel_T11_1_NOOK"));
        QCOMPARE(page.results[1]->text(),
                 succeeded ? wizardText("TntLabel_T11_2")
                           : wizardText("TntButton_T10_Retry") + QLatin1Char('?'));
        QCOMPARE(sentCount(kWpsStatus), succeeded ? 2 : 40);
    }

    void surveyIsAskedForEveryFifthTickUntilItsAnswer() {
        selectNewCamera();
        wizard().ShowPage(WizardPage::WConfig);
        wizard().state().SurveyReceived = false;
        requests.sent.clear();
        wizardTicks(11);
        QCOMPARE(sentCount(kSurvey), 3);
        wizard().state().SurveyReceived = true;
        wizardTicks(10);
        QCOMPARE(sentCount(kSurvey), 3);
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::MainWindowSetupTest)
#include "main_window_setup_test.moc"
