// The wizard's wireless pages and page 5's OK in the main window: the survey asked for and
// listed from the camera's answer, a network chosen and sent, WPS started and ended, and the
// name and password sent before the finish window. Requests are recorded instead of sent;
// replies are handed to the main window's decoder; modal windows are answered with real clicks.

#include "protocol/password_digest.h"
#include "protocol/settings_records.h"
#include "shell/message_windows/form_finish.h"
#include "shell/message_windows/form_waiting.h"
#include "shell/message_windows/message_dialog_wchar.h"
#include "support/datagram_fixtures.h"
#include "support/main_window_fixture.h"
#include "support/modal_answers.h"
#include "support/settings_reply_fixtures.h"

#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <vector>

namespace vistrel {

namespace {

using test::commandOf;

constexpr MacAddress kCameraMac{0x02, 0x00, 0x00, 0xab, 0xcd, 0xef};
constexpr int kSurvey = 0x000A;
constexpr int kWirelessWrite = 0x0023;
constexpr int kSetupMark = 0x0027;
constexpr int kWpsStart = 0x0029;
constexpr int kFixedSettingsWrite = 0x0003;

struct Network {
    const char* ssid;
    std::uint8_t channel;
    std::uint8_t security;
    std::uint8_t signal;
};

// A survey answer: one 55-byte entry per network after the header.
std::vector<std::uint8_t> surveyAnswer(const std::vector<Network>& networks,
                                       const MacAddress& from = kCameraMac) {
    std::vector<std::uint8_t> payload;
    for (const Network& network : networks) {
        std::vector<std::uint8_t> entry(55, 0);
        for (std::size_t i = 0; network.ssid[i] != '\0'; ++i) {
            entry[i] = static_cast<std::uint8_t>(network.ssid[i]);
        }
        entry[51] = network.channel;
        entry[53] = network.security;
        entry[54] = network.signal;
        payload.insert(payload.end(), entry.begin(), entry.end());
    }
    return test::reply(from, 0x0A, payload);
}

} // namespace

class MainWindowWirelessSetupTest : public QObject, private test::MainWindowFixture {
    Q_OBJECT

private:
    WConfigPage& page6() { return pages().wconfig; }
    WpsSetupPage& page11() { return pages().wpsSetup; }

    // A new wireless camera, selected, whose settings reply reported `credential`.
    void selectCamera(bool longLayout, std::string_view credential = "2580") {
        test::DiscoveryReplyFields fields;
        fields.mac = kCameraMac;
        fields.name = "Camera";
        fields.setupFlagA = 0;
        fields.modelNumber = longLayout ? 23 : 10;
        form->decodeDatagram(test::discoveryReply(fields));
        clickCard();
        QCOMPARE(usesShortSettingsLayout(form->configuration().camera.modelCode), !longLayout);
        test::FixedReplyFields reply;
        reply.longForm = longLayout;
        reply.credential = credential;
        form->decodeDatagram(test::fixedSettingsReply(kCameraMac, reply));
        QCOMPARE(form->configuration().camera.passwordCredential, std::string(credential));
        requests.sent.clear();
    }

    bool isWaiting() { return form->waitingWindow().isVisible(); }

    // The bytes of a request's zero-terminated text at this offset.
    static QByteArray textAt(const std::vector<std::uint8_t>& datagram, std::size_t offset) {
        return QByteArray(reinterpret_cast<const char*>(&datagram.at(offset)));
    }

    // Page 4's Yes and the camera's answer.
    void listNetworks() {
        wizard().ShowPage(WizardPage::Wireless);
        QTest::mouseClick(wizard().pages().wireless.yes, Qt::LeftButton);
        form->decodeDatagram(surveyAnswer({{"Home", 6, 6, 82}, {"Cafe", 11, 0, 23}}));
    }

    void clickRow(int row) {
        QTreeWidget* list = page6().survey;
        const QRect rect = list->visualItemRect(list->topLevelItem(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

    std::function<void()> acknowledge(QString& shown, QString& title) {
        return [this, &shown, &title] {
            shown = form->messageBox().MessageText();
            title = form->messageBox().windowTitle();
            QTest::mouseClick(
                form->messageBox().findChild<QPushButton*>(QStringLiteral("Button_Message_Box_OK")),
                Qt::LeftButton);
        };
    }

    // Presses a button whose handler shows the message box; returns its text and title.
    std::pair<QString, QString> messageOf(QAbstractButton* button) {
        QString shown;
        QString title;
        [&] {
            QVERIFY(
                test::ModalAnswers().then(form->messageBox(), acknowledge(shown, title)).run([&] {
                    QTest::mouseClick(button, Qt::LeftButton);
                }));
        }();
        return {shown, title};
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void yesAsksForTheSurveyAndTheAnswerFillsTheList() {
        selectCamera(false);
        page6().survey->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("Stale")}));
        page6().ssidText->setText(QStringLiteral("Stale"));
        wizard().ShowPage(WizardPage::Wireless);
        QTest::mouseClick(wizard().pages().wireless.yes, Qt::LeftButton);

        const auto requests = sentWith(kSurvey);
        QCOMPARE(requests.size(), std::size_t{1});
        QVERIFY(std::equal(kCameraMac.begin(), kCameraMac.end(), requests[0].begin()));
        QCOMPARE(wizard().shownPage(), WizardPage::WConfig);
        QVERIFY(wizard().Timer_Wizard().isActive());
        QCOMPARE(page6().survey->topLevelItemCount(), 0);
        QVERIFY(page6().ssidText->text().isEmpty());
        QVERIFY(isWaiting());
        QVERIFY(!wizard().state().SurveyReceived);

        form->decodeDatagram(
            surveyAnswer({{"Home", 6, 6, 82}, {"Cafe", 11, 0, 23}, {"Home", 1, 3, 90}}));
        QVERIFY(wizard().state().SurveyReceived);
        QVERIFY(!isWaiting());
        QTreeWidget* list = page6().survey;
        QCOMPARE(list->topLevelItemCount(), 2);
        const QStringList home{QStringLiteral("Home"), QStringLiteral("82"),
                               QStringLiteral("WPA2PSK(AES)"), QStringLiteral("6")};
        for (int column = 0; column < 4; ++column) {
            QCOMPARE(list->topLevelItem(0)->text(column), home[column]);
        }
        // A later answer, from whichever camera, adds only the networks not listed yet.
        form->decodeDatagram(surveyAnswer({{"Cafe", 1, 3, 50}, {"Shed", 3, 1, 40}},
                                          MacAddress{0x02, 0, 0, 0, 0, 0x99}));
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(list->topLevelItem(1)->text(2), QStringLiteral("Disabled"));

        // Refresh empties the list and asks again; the timer is left as it is.
        clickRow(0);
        wizard().Timer_Wizard().stop();
        QTest::mouseClick(page6().refresh, Qt::LeftButton);
        QCOMPARE(list->topLevelItemCount(), 0);
        QCOMPARE(sentWith(kSurvey).size(), std::size_t{2});
        QVERIFY(page6().ssidText->text().isEmpty());
        QVERIFY(!wizard().state().SurveyReceived);
        QVERIFY(isWaiting());
        QVERIFY(!wizard().Timer_Wizard().isActive());
    }

    void aRowChoosesTheNetworkAndOkSendsItWithAnAcceptableKey() {
        selectCamera(false);
        listNetworks();
        clickRow(1);
        QCOMPARE(page6().ssidText->text(), QStringLiteral("Cafe"));
        QVERIFY(!page6().password->isEnabled());
        clickRow(0);
        QCOMPARE(page6().ssidText->text(), QStringLiteral("Home"));
        QVERIFY(page6().password->isEnabled());

        QTest::keyClicks(page6().password, QStringLiteral("short"));
        const auto [refused, title] = messageOf(page6().ok);
        QCOMPARE(refused, wizardText("Key_Length_Err_Message"));
        QCOMPARE(title, QStringLiteral("error"));
        QVERIFY(sentWith(kWirelessWrite).empty());
        QCOMPARE(wizard().shownPage(), WizardPage::WConfig);

        page6().password->setText(QStringLiteral("correct-horse"));
        QTest::mouseClick(page6().ok, Qt::LeftButton);
        const auto records = sentWith(kWirelessWrite);
        QCOMPARE(records.size(), std::size_t{1});
        QCOMPARE(records[0].size(), std::size_t{301});
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&records[0][10])), QByteArray("Home"));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&records[0][172])),
                 QByteArray("correct-horse"));
        QCOMPARE(int(records[0][171]), 4); // WPA2-PSK, from the basic list's name
        QCOMPARE(wizard().shownPage(), WizardPage::Test);
        QVERIFY(!wizard().Timer_Wizard().isActive());
        TestPage& page7 = wizard().pages().test;
        QVERIFY(page7.next->isEnabled());
        QCOMPARE(page7.next->text(), wizardText("TntButton_T3_Next"));
        QVERIFY(page7.cancel->isHidden());
        QVERIFY(page7.seconds->isHidden());
    }

    // The camera's wireless record is kept as it came, cut to 301 bytes or zero-filled to them;
    // page 6's OK builds the record it sends afresh.
    void wirelessRecordReplyIsKeptButNothingOfItIsSent() {
        selectCamera(false);
        std::vector<std::uint8_t> payload(400, 0x5A);
        form->decodeDatagram(test::reply(kCameraMac, 0x09, payload));
        const WirelessRecord& kept = wizard().state().WirelessRecord;
        QCOMPARE(int(kept[7]), 0x09);
        QCOMPARE(int(kept[300]), 0x5A);
        form->decodeDatagram(test::reply(kCameraMac, 0x09, {0xCD, 0xCD}));
        QCOMPARE(int(kept[11]), 0xCD);
        QCOMPARE(int(kept[12]), 0);
        QCOMPARE(int(kept[300]), 0);

        form->decodeDatagram(test::reply(kCameraMac, 0x09, payload));
        listNetworks();
        clickRow(1); // the open network
        QTest::mouseClick(page6().ok, Qt::LeftButton);
        const auto records = sentWith(kWirelessWrite);
        QCOMPARE(records.size(), std::size_t{1});
        QCOMPARE(std::count(records[0].begin(), records[0].end(), std::uint8_t{0x5A}), 0);
        QCOMPARE(int(records[0][7]), 0x23);
    }

    // Markup in a network's name, from whoever answers on the LAN, is shown as it stands.
    void networkNamesShowAsPlainText() {
        selectCamera(false);
        wizard().ShowPage(WizardPage::Wireless);
        QTest::mouseClick(wizard().pages().wireless.yes, Qt::LeftButton);
        form->decodeDatagram(surveyAnswer({{"<b>Home</b>", 6, 6, 82}}));
        clickRow(0);
        QCOMPARE(page6().ssidText->text(), QStringLiteral("<b>Home</b>"));
        QCOMPARE(page6().ssidText->textFormat(), Qt::PlainText);
    }

    // A name the camera reported goes back to it byte for byte, also when it is not valid
    // UTF-8; two such names that differ stay two rows.
    void aNetworkNameThatIsNotUtf8IsSentAsTheCameraReportedIt() {
        selectCamera(false);
        wizard().ShowPage(WizardPage::Wireless);
        QTest::mouseClick(wizard().pages().wireless.yes, Qt::LeftButton);
        form->decodeDatagram(surveyAnswer({{"Caf\xe9", 6, 0, 82}, {"Caf\xe8", 6, 0, 80}}));
        QCOMPARE(page6().survey->topLevelItemCount(), 2);
        clickRow(1);
        QTest::mouseClick(page6().ok, Qt::LeftButton);
        const auto records = sentWith(kWirelessWrite);
        QCOMPARE(records.size(), std::size_t{1});
        QCOMPARE(textAt(records[0], 10), QByteArray("Caf\xe8"));
    }

    // The keyboard chooses a network as a click does.
    void arrowKeysChooseANetwork() {
        selectCamera(false);
        listNetworks();
        QTreeWidget* list = page6().survey;
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(page6().ssidText->text(), list->currentItem()->text(0));
        QCOMPARE(page6().password->isEnabled(),
                 list->currentItem()->text(2) != QLatin1String("Disabled"));
    }

    // Every way out of the survey takes the waiting window down and ends the survey requests.
    void leavingTheSurveyEndsItsWaitingWindowAndRequests_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("WPS") << QStringLiteral("wps");
        QTest::newRow("OK with a network") << QStringLiteral("ok");
        QTest::newRow("closing the wizard") << QStringLiteral("close");
    }

    void leavingTheSurveyEndsItsWaitingWindowAndRequests() {
        QFETCH(QString, way);
        selectCamera(false);
        wizard().show();
        if (way == QLatin1String("ok")) {
            listNetworks();
            clickRow(1);                             // the open network
            wizard().state().SurveyReceived = false; // asked again, no answer yet
        } else {
            wizard().ShowPage(WizardPage::Wireless);
            QTest::mouseClick(wizard().pages().wireless.yes, Qt::LeftButton);
        }
        form->waitingWindow().show();
        if (way == QLatin1String("wps")) {
            QTest::mouseClick(page6().wps, Qt::LeftButton);
        } else if (way == QLatin1String("ok")) {
            QTest::mouseClick(page6().ok, Qt::LeftButton);
        } else {
            QVERIFY(test::ModalAnswers()
                        .then(form->messageDialog(),
                              [&] {
                                  QTest::mouseClick(form->messageDialog().findChild<QPushButton*>(
                                                        QStringLiteral("Button_Message_Dialog_OK")),
                                                    Qt::LeftButton);
                              })
                        .run([&] { wizard().close(); }));
            QVERIFY(!wizard().isVisible());
        }
        QVERIFY(!isWaiting());
        requests.sent.clear();
        for (int tick = 0; tick < 10; ++tick) {
            wizard().Timer_WizardTimer();
        }
        QVERIFY(sentWith(kSurvey).empty());
    }

    void okWithoutANetworkAsksForOne() {
        selectCamera(false);
        listNetworks();
        const auto [shown, title] = messageOf(page6().ok);
        QCOMPARE(shown, wizardText("Please_Select_A_SSID"));
        QCOMPARE(title, QStringLiteral("error"));
        QVERIFY(sentWith(kWirelessWrite).empty());
    }

    void wpsStartsAnAttemptThenGoesOnByItsOutcome() {
        selectCamera(false);
        listNetworks();
        QTest::mouseClick(page6().wps, Qt::LeftButton);
        QCOMPARE(wizard().shownPage(), WizardPage::WpsSetup);
        QVERIFY(!wizard().Timer_Wizard().isActive());
        QCOMPARE(page11().start->text(), wizardText("TntButton_T11_Start"));
        QVERIFY(page11().seconds->isHidden());

        QTest::mouseClick(page11().start, Qt::LeftButton);
        const auto starts = sentWith(kWpsStart);
        QCOMPARE(starts.size(), std::size_t{1});
        QCOMPARE(starts[0].size(), std::size_t{74});
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&starts[0][10]), 32),
                 QByteArray::fromStdString(passwordDigestText(kCameraMac, "2580")));
        QVERIFY(wizard().Timer_Wizard().isActive());
        QVERIFY(!page11().start->isEnabled());
        QVERIFY(!page11().cancel->isEnabled());
        QCOMPARE(page11().start->text(), wizardText("Wait"));
        QCOMPARE(page11().seconds->text(), QStringLiteral("120"));
        QCOMPARE(wizard().state().WpsSeconds, 120);
    }

    // The attempt's end as the timer leaves it: both result lines shown, Start enabled.
    void endAttempt(bool succeeded, const QString& question) {
        wizard().Timer_Wizard().stop();
        page11().results[0]->show();
        page11().results[1]->setText(question);
        page11().results[1]->show();
        page11().start->setEnabled(true);
        page11().cancel->setEnabled(true);
        wizard().state().WpsSucceeded = succeeded;
    }

    // Whether an attempt succeeded is the timer's verdict, not the length of a translated text.
    void startAfterAnAttemptGoesOnByItsOutcomeInAnyLanguage_data() {
        QTest::addColumn<bool>("succeeded");
        QTest::addColumn<QString>("question");
        QTest::addColumn<WizardPage>("page");
        QTest::newRow("success") << true << QStringLiteral("Connection established.")
                                 << WizardPage::Test;
        QTest::newRow("short success text") << true << QStringLiteral("OK") << WizardPage::Test;
        QTest::newRow("failure") << false << QStringLiteral("Retry?") << WizardPage::WpsSetup;
        QTest::newRow("long retry question")
            << false << QStringLiteral("Wiederholen?") << WizardPage::WpsSetup;
    }

    void startAfterAnAttemptGoesOnByItsOutcomeInAnyLanguage() {
        QFETCH(bool, succeeded);
        QFETCH(QString, question);
        QFETCH(WizardPage, page);
        selectCamera(false);
        listNetworks();
        QTest::mouseClick(page6().wps, Qt::LeftButton);
        QTest::mouseClick(page11().start, Qt::LeftButton);
        endAttempt(succeeded, question);

        QTest::mouseClick(page11().start, Qt::LeftButton);
        QCOMPARE(wizard().shownPage(), page);
        QCOMPARE(sentWith(kWpsStart).size(), std::size_t{1});
        if (page == WizardPage::WpsSetup) { // idle again: the next Start begins a new attempt
            QVERIFY(page11().results[1]->isHidden());
            QVERIFY(page11().seconds->isHidden());
            QCOMPARE(page11().start->text(), wizardText("TntButton_T11_Start"));
            QTest::mouseClick(page11().start, Qt::LeftButton);
            QCOMPARE(sentWith(kWpsStart).size(), std::size_t{2});
        } else {
            QVERIFY(wizard().pages().test.next->isEnabled());
        }
    }

    void cancelOnPage11ReturnsToTheListedNetworks() {
        selectCamera(false);
        listNetworks();
        clickRow(0);
        QTest::mouseClick(page6().wps, Qt::LeftButton);
        const auto [shown, title] = messageOf(page11().cancel);
        QCOMPARE(shown, wizardText("Cancel_WPS_Connect"));
        QCOMPARE(title, QStringLiteral("Admin"));
        QCOMPARE(wizard().shownPage(), WizardPage::WConfig);
        QCOMPARE(page6().survey->topLevelItemCount(), 2);
        QVERIFY(page6().ssidText->text().isEmpty());
    }

    void page5OkSendsTheMarkAndSettingsThenShowsTheFinishWindow_data() {
        QTest::addColumn<bool>("digestVerified");
        QTest::addColumn<int>("markSize");
        QTest::newRow("camera reported the factory password") << false << 11;
        QTest::newRow("camera reported its digest") << true << 75;
    }

    void page5OkSendsTheMarkAndSettingsThenShowsTheFinishWindow() {
        QFETCH(bool, digestVerified);
        QFETCH(int, markSize);
        const std::string factoryDigest = passwordDigestText(kCameraMac, "2580");
        selectCamera(true, digestVerified ? std::string_view(factoryDigest) : "2580");
        form->configuration().credentials.digestVerified = digestVerified;
        form->loginDialog().setPasswordText(QStringLiteral("2580"));
        wizard().ShowPage(WizardPage::Name);
        wizard().show();
        AccountRows& account = wizard().pages().name.account;
        account.name->setText(QStringLiteral("Porch"));
        account.password->setText(QStringLiteral("n3w-secret"));
        account.confirm->setText(QStringLiteral("n3w-secret"));

        TForm_Finish* finish = &form->finishWindow();
        QString message;
        QString link;
        QVERIFY(test::ModalAnswers()
                    .then(*finish,
                          [&] {
                              message = finish->MessageText();
                              link = finish->LinkText();
                              finish->close(); // the title-bar button: no hand-over
                          })
                    .run([&] { QTest::mouseClick(wizard().pages().name.ok, Qt::LeftButton); }));

        QCOMPARE(requests.sent.size() >= 4, true);
        for (std::size_t i = 0; i < 3; ++i) {
            QCOMPARE(commandOf(requests.sent[i]), kSetupMark);
            QCOMPARE(int(requests.sent[i].size()), markSize);
        }
        QCOMPARE(commandOf(requests.sent[3]), kFixedSettingsWrite);
        QCOMPARE(message, QStringLiteral("Porch\r\n\r\n") + wizardText("Setup_Is_Complete1") +
                              QStringLiteral("\r\n") + wizardText("Setup_Is_Complete2") +
                              QStringLiteral("\r\n\r\n"));
        QCOMPARE(link, QStringLiteral("http://020000abcdef.ddns.vistrel.example"));
        QVERIFY(!wizard().isVisible());
        // Closed by its title bar, the finish window ends the set-up without the live picture.
        QVERIFY(!wizard().state().SetupCompleted);
        QCOMPARE(form->loginDialog().PasswordText(), QStringLiteral("2580"));
    }

    // The camera's name as it reported it, not valid UTF-8, goes back unchanged when the user
    // keeps it.
    void page5KeepsTheReportedNameByteForByte() {
        selectCamera(true);
        form->configuration().camera.cameraName = "Caf\xe9";
        wizard().ShowPage(WizardPage::Name);
        wizard().show();
        AccountRows& account = wizard().pages().name.account;
        account.password->setText(QStringLiteral("n3w-secret"));
        account.confirm->setText(QStringLiteral("n3w-secret"));
        QVERIFY(test::ModalAnswers()
                    .then(form->finishWindow(), [&] { form->finishWindow().close(); })
                    .run([&] { QTest::mouseClick(wizard().pages().name.ok, Qt::LeftButton); }));
        const auto writes = sentWith(kFixedSettingsWrite);
        QCOMPARE(writes.size(), std::size_t{1});
        QCOMPARE(textAt(writes[0], kLongRecordLayout.name), QByteArray("Caf\xe9"));
    }

    // Settings that cannot go out are said, and page 5 stays: no set-up mark, no finish window.
    void page5OkWhoseSettingsAreNotSentWarnsAndStays() {
        selectCamera(true);
        form->configuration().camera.macText = "not a MAC";
        wizard().ShowPage(WizardPage::Name);
        wizard().show();
        AccountRows& account = wizard().pages().name.account;
        account.password->setText(QStringLiteral("n3w-secret"));
        account.confirm->setText(QStringLiteral("n3w-secret"));
        const auto [shown, title] = messageOf(wizard().pages().name.ok);
        QCOMPARE(shown, wizardText("Settings_Not_Sent"));
        QCOMPARE(title, QStringLiteral("Warning"));
        QVERIFY(requests.sent.empty());
        QVERIFY(wizard().isVisible());
        QCOMPARE(wizard().shownPage(), WizardPage::Name);
        QVERIFY(!wizard().state().SetupCompleted);
    }

    void page5OkWithARefusedPasswordSendsNothingAndStays() {
        selectCamera(true);
        wizard().ShowPage(WizardPage::Name);
        wizard().show();
        AccountRows& account = wizard().pages().name.account;
        account.password->setText(QStringLiteral("one-password"));
        account.confirm->setText(QStringLiteral("another-one"));
        const auto [shown, title] = messageOf(wizard().pages().name.ok);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(title, QStringLiteral("Warning"));
        QVERIFY(requests.sent.empty());
        QVERIFY(wizard().isVisible());
        QCOMPARE(wizard().shownPage(), WizardPage::Name);
        QVERIFY(!wizard().state().SetupCompleted);
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::MainWindowWirelessSetupTest)
#include "main_window_wireless_setup_test.moc"
