// The main window's camera configuration as the user meets it: selection, configure, the
// login's outcomes, the wizard's pages 2 and 12, the question before leaving and the web page.
// Requests are recorded instead of sent; modal windows are answered with real clicks.

#include "config/panel_opening.h"
#include "protocol/settings_request.h"
#include "shell/message_windows/message_dialog_wchar.h"
#include "support/datagram_fixtures.h"
#include "support/main_window_fixture.h"
#include "support/modal_answers.h"
#include "support/settings_reply_fixtures.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <vector>

namespace vistrel {

namespace {

using test::commandOf;

constexpr MacAddress kCameraMac{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
constexpr int kDiscovery = 0x0004;
constexpr int kFixedSettingsWrite = 0x0003;

} // namespace

class MainWindowConfigurationTest : public QObject, private test::MainWindowFixture {
    Q_OBJECT

private:
    std::vector<QUrl> openedUrls;
    bool browserStarts = true;

    // A set-up camera (list state 3), or one in state 5, at 192.168.2.3.
    void listCamera(bool stateFive = false) {
        test::DiscoveryReplyFields fields;
        fields.mac = kCameraMac;
        fields.name = "Porch";
        fields.setupFlagA = 1;
        fields.setupFlagB = stateFive ? 0 : 2;
        form->decodeDatagram(test::discoveryReply(fields));
    }

    // The camera's settings reply: its password is "secret", its web port 8080.
    void answerSettings() {
        test::FixedReplyFields fields;
        fields.longForm = !usesShortSettingsLayout(form->configuration().camera.modelCode);
        form->decodeDatagram(test::fixedSettingsReply(kCameraMac, fields));
    }

    void selectCameraWithSettings(bool stateFive = false) {
        listCamera(stateFive);
        clickCard();
        answerSettings();
    }

    // The wizard on page 2 or 12 after a right password.
    void openWizard(bool stateFive = false) {
        selectCameraWithSettings(stateFive);
        QVERIFY(test::ModalAnswers()
                    .then(form->loginDialog(), logIn(QStringLiteral("secret")))
                    .run([&] { doubleClickCard(); }));
        QVERIFY(form->wizard().isVisible());
    }

    // The answer of the message dialog: its text and title, then OK or Cancel.
    std::function<void()> answerQuestion(bool ok, QString& shown, QString& title) {
        return [this, ok, &shown, &title] {
            TMessage_Dialog_Wchar& dialog = form->messageDialog();
            shown = dialog.MessageText();
            title = dialog.windowTitle();
            QTest::mouseClick(
                control(dialog, ok ? "Button_Message_Dialog_OK" : "Button_Message_Dialog_Cancel"),
                Qt::LeftButton);
        };
    }

    void setPage2Addresses(const QStringList& addresses) {
        const AddressEdits& edits = form->wizard().pages().network.edits;
        for (int i = 0; i < 4; ++i) {
            edits[static_cast<std::size_t>(i)]->setText(addresses.value(i));
        }
    }

private slots:
    void init() {
        openedUrls.clear();
        browserStarts = true;
        start();
        form->setOpenUrl([this](const QUrl& url) {
            openedUrls.push_back(url);
            return browserStarts;
        });
    }
    void cleanup() { stop(); }

    void startsInListModeWithTheWebPageHint() {
        const SettingsPanel& panel = form->configuration().panel;
        QVERIFY(!panel.Image_Browser.visible);
        QVERIFY(!panel.Image_Lan_Settings_OK.visible);
        // Read before any language is chosen, like the other hints of the first moment.
        QCOMPARE(form->Image_Browser_Hint(), LookupText({}, QStringLiteral("Image_Browser_Hint")));
    }

    void selectionQueriesTheCameraAndShowsItsImagesUntilTheNextSearch() {
        listCamera();
        clickCard();
        QCOMPARE(requests.sent.size(), std::size_t{4});
        for (std::size_t i = 0; i < 3; ++i) {
            QCOMPARE(commandOf(requests.sent[i + 1]), (std::array{0x0002, 0x0009, 0x0026}[i]));
            QVERIFY(std::equal(kCameraMac.begin(), kCameraMac.end(), requests.sent[i + 1].begin()));
        }
        const SettingsPanel& panel = form->configuration().panel;
        QVERIFY(panel.Image_Browser.visible && panel.Image_Config.visible);

        QTest::keyClick(&form->ListBox_IPCAM(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(commandOf(requests.sent.back()), kDiscovery);
        QVERIFY(!panel.Image_Browser.visible && !panel.Image_Config.visible);
    }

    void settingsReplyOfTheSelectedCameraFillsItsConfiguration() {
        selectCameraWithSettings();
        const CameraConfiguration& config = form->configuration();
        QCOMPARE(int(config.camera.webPort), 8080);
        QCOMPARE(config.camera.cameraName, std::string("Porch"));
        QCOMPARE(config.credentials.credentialCopy, std::string("secret"));
    }

    void configureWithoutASelectionWarns() {
        QString shown;
        QVERIFY(test::ModalAnswers().then(form->messageBox(), acknowledge(shown)).run([&] {
            QTest::keyClick(&form->ListBox_IPCAM(), Qt::Key_S, Qt::AltModifier);
        }));
        QCOMPARE(shown, text("Please_Select_A_Camera"));
        QVERIFY(!form->wizard().isVisible());
    }

    void configureOpensTheLoginWithTheCamerasLimits() {
        selectCameraWithSettings();
        int passwordLimit = 0;
        bool passwordHadFocus = false;
        QString name;
        QVERIFY(
            test::ModalAnswers()
                .then(form->loginDialog(),
                      [&] {
                          TForm_Login& login = form->loginDialog();
                          passwordLimit = control<QLineEdit>(login, "Password_Edit")->maxLength();
                          name = login.CameraName();
                          passwordHadFocus = login.focusWidget() == control(login, "Password_Edit");
                          QVERIFY(!form->isEnabled());
                          QTest::keyClicks(control(login, "Password_Edit"),
                                           QStringLiteral("secret"));
                          QTest::keyClick(control(login, "Password_Edit"), Qt::Key_Return);
                      })
                .run([&] { QTest::keyClick(&form->ListBox_IPCAM(), Qt::Key_S, Qt::AltModifier); }));
        const TDeviceItem& camera = form->configuration().camera;
        QCOMPARE(passwordLimit, lengthLimitsFor(camera.modelCode, camera.modelName).password);
        QCOMPARE(name, QStringLiteral("Porch"));
        QVERIFY(passwordHadFocus);
        QVERIFY(form->wizard().isVisible());
        QVERIFY(form->isEnabled());
    }

    void loginOutcomes_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("stateFive");
        QTest::addColumn<WizardPage>("page");  // None: the wizard stays hidden
        QTest::addColumn<QStringList>("keys"); // of the message shown, joined by blank lines
        QTest::newRow("right password, set-up camera")
            << QStringLiteral("secret") << QStringLiteral("Button_Login_OK") << false
            << WizardPage::Network << QStringList{};
        QTest::newRow("right password, state 5")
            << QStringLiteral("secret") << QStringLiteral("Button_Login_OK") << true
            << WizardPage::OldNetwork << QStringList{};
        QTest::newRow("wrong password")
            << QStringLiteral("Secret") << QStringLiteral("Button_Login_OK") << false
            << WizardPage::None << QStringList{QStringLiteral("Input_Password_Err")};
        QTest::newRow("cancel") << QStringLiteral("secret") << QStringLiteral("Button_Login_Cancel")
                                << false << WizardPage::None
                                << QStringList{QStringLiteral("Cancel_Login1"),
                                               QStringLiteral("Cancel_Login2")};
    }

    void loginOutcomes() {
        QFETCH(QString, password);
        QFETCH(QString, button);
        QFETCH(bool, stateFive);
        QFETCH(WizardPage, page);
        QFETCH(QStringList, keys);
        selectCameraWithSettings(stateFive);
        const QByteArray buttonName = button.toLatin1();
        QString shown;
        test::ModalAnswers answers;
        answers.then(form->loginDialog(), logIn(password, buttonName.constData()));
        if (!keys.isEmpty()) {
            answers.then(form->messageBox(), acknowledge(shown));
        }
        QVERIFY(answers.run([&] { doubleClickCard(); }));

        QStringList expected;
        for (const QString& key : keys) {
            expected << text(key.toLatin1().constData());
        }
        QCOMPARE(shown, expected.join(QStringLiteral("\r\n\r\n")));
        TForm_Wizard& wizard = form->wizard();
        QCOMPARE(wizard.isVisible(), page != WizardPage::None);
        QVERIFY(!form->loginDialog().isVisible());
        QVERIFY(form->isEnabled());
        if (page == WizardPage::None) {
            return;
        }
        QCOMPARE(wizard.shownPage(), page);
        const WizardPages& pages = wizard.pages();
        QCOMPARE(pages.oldNetwork.tabs->currentWidget(), pages.oldNetwork.lanTab);
        QCOMPARE(pages.network.edits[0]->text(), QStringLiteral("192.168.2.3"));
        QCOMPARE(pages.oldNetwork.edits[1]->text(), QStringLiteral("255.255.255.0"));
        if (page == WizardPage::OldNetwork) {
            QCOMPARE(pages.oldNetwork.account.name->text(), QStringLiteral("Porch"));
        }
        QVERIFY(form->configuration().panel.Image_Lan_Settings_OK.visible); // settings mode
    }

    void escapeInThePasswordFieldClosesTheLogin() {
        selectCameraWithSettings();
        QVERIFY(test::ModalAnswers()
                    .then(form->loginDialog(),
                          [&] {
                              QTest::keyClick(control(form->loginDialog(), "Password_Edit"),
                                              Qt::Key_Escape);
                          })
                    .run([&] { doubleClickCard(); }));
        QVERIFY(!form->wizard().isVisible());
        QVERIFY(form->isEnabled());
    }

    void doubleClickWithoutASelectionWarns() {
        listCamera();
        QString shown;
        QVERIFY(test::ModalAnswers().then(form->messageBox(), acknowledge(shown)).run([&] {
            form->IPCAM_TntListViewDblClick();
        }));
        QCOMPARE(shown, text("Please_Select_A_Camera"));
    }

    // Closing by the title bar, Cancel of page 2 and Cancel of page 12's name tab all ask.
    void leavingTheWizardAsksFirst_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("title bar") << QString();
        QTest::newRow("page 2 Cancel") << QStringLiteral("TntButton_T2_Cancel");
        QTest::newRow("page 12 Cancel2") << QStringLiteral("TntButton_T12_Cancel2");
    }

    void leavingTheWizardAsksFirst() {
        QFETCH(QString, how);
        openWizard(how.contains(QLatin1String("T12")));
        TForm_Wizard& wizard = form->wizard();
        const auto leave = [&] {
            if (how.isEmpty()) {
                wizard.close();
            } else {
                wizard.findChild<QPushButton*>(how)->click();
            }
        };
        for (const bool ok : {false, false, true}) {
            QString shown;
            QString title;
            QVERIFY(test::ModalAnswers()
                        .then(form->messageDialog(), answerQuestion(ok, shown, title))
                        .run(leave));
            QCOMPARE(shown, wizardText("Want_To_Leave"));
            QCOMPARE(title, QStringLiteral("Admin"));
            QCOMPARE(wizard.isVisible(), !ok);
        }
    }

    void page2OkSendsOnlyAddressesTheCheckAccepts_data() {
        QTest::addColumn<QStringList>("addresses");
        QTest::addColumn<QString>("warningKey"); // empty: accepted
        QTest::newRow("octet above 255")
            << QStringList{QStringLiteral("192.168.2.300"), QStringLiteral("255.255.255.0"),
                           QStringLiteral("192.168.2.1"), QStringLiteral("192.168.2.1")}
            << QStringLiteral("IP_Range_Err_Message");
        QTest::newRow("gateway outside the subnet")
            << QStringList{QStringLiteral("192.168.2.9"), QStringLiteral("255.255.255.0"),
                           QStringLiteral("10.0.0.1"), QStringLiteral("192.168.2.1")}
            << QStringLiteral("Netmask_Range_Err_Message");
        QTest::newRow("accepted") << QStringList{QStringLiteral("192.168.2.9"),
                                                 QStringLiteral("255.255.255.0"),
                                                 QStringLiteral("192.168.2.1"),
                                                 QStringLiteral("192.168.2.1")}
                                  << QString();
    }

    void page2OkSendsOnlyAddressesTheCheckAccepts() {
        QFETCH(QStringList, addresses);
        QFETCH(QString, warningKey);
        openWizard();
        TForm_Wizard& wizard = form->wizard();
        QTest::mouseClick(wizard.pages().network.radios.staticIp, Qt::LeftButton);
        setPage2Addresses(addresses);
        const std::size_t sentBefore = requests.sent.size();
        QString shown;
        test::ModalAnswers answers;
        if (!warningKey.isEmpty()) {
            answers.then(form->messageBox(), acknowledge(shown));
        }
        QVERIFY(answers.run([&] { QTest::mouseClick(wizard.pages().network.ok, Qt::LeftButton); }));

        if (!warningKey.isEmpty()) {
            QCOMPARE(shown, text(warningKey.toLatin1().constData()));
            QCOMPARE(requests.sent.size(), sentBefore);
            QVERIFY(wizard.isVisible());
            QCOMPARE(wizard.shownPage(), WizardPage::Network);
            return;
        }
        // The write, then the searches of the confirm and of the page; no question on closing.
        QCOMPARE(requests.sent.size(), sentBefore + 3);
        QCOMPARE(commandOf(requests.sent[sentBefore]), kFixedSettingsWrite);
        QCOMPARE(commandOf(requests.sent.back()), kDiscovery);
        QVERIFY(!wizard.isVisible());
        QCOMPARE(form->cameraList().rowCount(), 0);
    }

    void page12OkRefusesDifferentPasswordsAndStays() {
        openWizard(/*stateFive=*/true);
        const OldNetworkPage& page = form->wizard().pages().oldNetwork;
        page.account.password->setText(QStringLiteral("abcd"));
        page.account.confirm->setText(QStringLiteral("abce"));
        const std::size_t sentBefore = requests.sent.size();
        QString shown;
        QVERIFY(test::ModalAnswers().then(form->messageBox(), acknowledge(shown)).run([&] {
            QTest::mouseClick(page.ok2, Qt::LeftButton);
        }));
        QCOMPARE(shown, text("Password_Doesnot_Match"));
        QCOMPARE(requests.sent.size(), sentBefore);
        QCOMPARE(form->wizard().shownPage(), WizardPage::OldNetwork);
        QVERIFY(form->wizard().isVisible());
    }

    // A write that does not go out is said, and the page stays open to be mended: page 12's
    // confirm refusing its address, page 2's request that cannot be built.
    void okWhoseWriteIsNotSentWarnsAndStays_data() {
        QTest::addColumn<WizardPage>("page");
        QTest::addColumn<QString>("warningKey");
        QTest::newRow("page 12, address refused by the confirm")
            << WizardPage::OldNetwork << QStringLiteral("IP_Range_Err_Message");
        QTest::newRow("page 2, request not built")
            << WizardPage::Network << QStringLiteral("Settings_Not_Sent");
    }

    void okWhoseWriteIsNotSentWarnsAndStays() {
        QFETCH(WizardPage, page);
        QFETCH(QString, warningKey);
        openWizard(/*stateFive=*/page == WizardPage::OldNetwork);
        TForm_Wizard& wizard = form->wizard();
        QPushButton* ok = wizard.pages().network.ok;
        if (page == WizardPage::OldNetwork) {
            OldNetworkPage& oldNetwork = wizard.pages().oldNetwork;
            oldNetwork.edits[0]->setText(QStringLiteral("192.168.2.300"));
            oldNetwork.account.password->setText(QStringLiteral("n3w-secret"));
            oldNetwork.account.confirm->setText(QStringLiteral("n3w-secret"));
            ok = oldNetwork.ok2;
        } else {
            form->configuration().camera.macText = "not a MAC";
        }
        const std::size_t sentBefore = requests.sent.size();
        QString shown;
        QVERIFY(test::ModalAnswers().then(form->messageBox(), acknowledge(shown)).run([&] {
            QTest::mouseClick(ok, Qt::LeftButton);
        }));
        QCOMPARE(shown, text(warningKey.toLatin1().constData()));
        QCOMPARE(requests.sent.size(), sentBefore); // neither the write nor a search
        QVERIFY(wizard.isVisible());
        QCOMPARE(wizard.shownPage(), page);
    }

    // A new password typed for one camera whose write was refused must not go to the camera
    // opened next.
    void anUnsentNewPasswordStaysWithItsCamera() {
        openWizard(/*stateFive=*/true);
        TForm_Wizard& wizard = form->wizard();
        OldNetworkPage& oldNetwork = wizard.pages().oldNetwork;
        oldNetwork.edits[0]->setText(QStringLiteral("192.168.2.300"));
        oldNetwork.account.password->setText(QStringLiteral("n3w-secret"));
        oldNetwork.account.confirm->setText(QStringLiteral("n3w-secret"));
        QString shown;
        QVERIFY(test::ModalAnswers().then(form->messageBox(), acknowledge(shown)).run([&] {
            QTest::mouseClick(oldNetwork.ok2, Qt::LeftButton);
        }));
        wizard.state().AskBeforeClose = false;
        wizard.close();

        test::DiscoveryReplyFields other;
        other.mac = MacAddress{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x77};
        other.name = "Shed";
        form->decodeDatagram(test::discoveryReply(other));
        QVERIFY(test::clickCameraCard(*form, "Shed"));
        test::FixedReplyFields settings;
        settings.longForm = !usesShortSettingsLayout(form->configuration().camera.modelCode);
        settings.name = "Shed";
        form->decodeDatagram(test::fixedSettingsReply(other.mac, settings));
        QVERIFY(test::ModalAnswers()
                    .then(form->loginDialog(), logIn(QStringLiteral("secret")))
                    .run([&] { form->IPCAM_TntListViewDblClick(); }));
        QCOMPARE(wizard.shownPage(), WizardPage::Network);

        const std::size_t sentBefore = requests.sent.size();
        QTest::mouseClick(wizard.pages().network.ok, Qt::LeftButton);
        QVERIFY(requests.sent.size() > sentBefore);
        const std::vector<std::uint8_t>& write = requests.sent[sentBefore];
        QCOMPARE(commandOf(write), kFixedSettingsWrite);
        const QByteArray bytes(reinterpret_cast<const char*>(write.data()),
                               static_cast<qsizetype>(write.size()));
        QVERIFY(!bytes.contains("n3w-secret"));
    }

    void webPageOpensInTheBrowserOrWarns_data() {
        QTest::addColumn<bool>("starts");
        QTest::addColumn<bool>("fromWizard");
        QTest::newRow("Enter in the list") << true << false;
        QTest::newRow("Enter, browser fails") << false << false;
        QTest::newRow("Advanced on page 2") << true << true;
        QTest::newRow("Advanced, browser fails") << false << true;
    }

    void webPageOpensInTheBrowserOrWarns() {
        QFETCH(bool, starts);
        QFETCH(bool, fromWizard);
        browserStarts = starts;
        if (fromWizard) {
            openWizard();
        } else {
            selectCameraWithSettings();
        }
        QString shown;
        test::ModalAnswers answers;
        if (!starts) {
            answers.then(form->messageBox(), acknowledge(shown));
        }
        QVERIFY(answers.run([&] {
            if (fromWizard) {
                QTest::mouseClick(form->wizard().pages().network.advanced, Qt::LeftButton);
            } else {
                QTest::keyClick(&form->ListBox_IPCAM(), Qt::Key_Return);
            }
        }));
        QCOMPARE(openedUrls.size(), std::size_t{1});
        QCOMPARE(openedUrls[0], QUrl(QStringLiteral("http://192.168.2.3:8080")));
        QCOMPARE(shown, starts ? QString() : text("Open_Browser_Fail"));
        QCOMPARE(form->wizard().isVisible(), fromWizard);
    }

    // Last: closing the main window ends the program's event loop, and with it every modal
    // window a later test would open.
    void escapeClosesTheMainWindow_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("camera list") << QStringLiteral("ListBox_IPCAM");
        QTest::newRow("language selector") << QStringLiteral("TntComboBox_Lang");
    }

    void escapeClosesTheMainWindow() {
        QFETCH(QString, control);
        QWidget* target = control == QLatin1String("ListBox_IPCAM")
                              ? static_cast<QWidget*>(&form->ListBox_IPCAM())
                              : form->findChild<QWidget*>(control);
        QTest::keyClick(target, Qt::Key_A);
        QVERIFY(form->isVisible());
        QTest::keyClick(target, Qt::Key_Escape);
        QVERIFY(!form->isVisible());
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::MainWindowConfigurationTest)
#include "main_window_configuration_test.moc"
