// The main window over the demo cameras of vistrel-camsim: every camera shows as a card, in
// state order; selecting one queries it and its settings fill the configuration; a set-up
// camera logged into and given a fixed address on the wizard's page 2 moves there. Runs inside
// the private network namespace of scripts/netns.

#include "support/camera_rows.h"
#include "support/camsim_process.h"
#include "support/main_window_fixture.h"
#include "support/modal_answers.h"
#include "support/private_network.h"

#include <QLineEdit>
#include <QRadioButton>
#include <set>

namespace vistrel {

namespace {

constexpr int kWaitMs = 10000;

using test::rowOf;

} // namespace

class MainWindowCamerasTest : public QObject, private test::MainWindowFixture {
    Q_OBJECT

private:
    // The finder over the demo cameras, all listed and past the first second.
    void startFinder() {
        start({.network = true, .firstTick = false});
        QTRY_COMPARE_WITH_TIMEOUT(form->ListBox_IPCAM().count(), 7, kWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(!form->searchCycle().busy(), kWaitMs);
    }

    // Clicks the camera's card and waits until its settings reply has arrived.
    void selectCamera(const std::string& name, const std::string& mac) {
        QVERIFY(test::clickCameraCard(*form, name));
        QCOMPARE(form->configuration().camera.macText, mac);
        const CameraCredentials& credentials = form->configuration().credentials;
        QTRY_VERIFY_WITH_TIMEOUT(credentials.credentialSourceMac == mac ||
                                     credentials.scrambledPasswordSourceMac == mac,
                                 kWaitMs);
    }

private slots:
    void initTestCase() { VISTREL_QSKIP_OUTSIDE_PRIVATE_NETWORK(); }
    void cleanup() { stop(); }

    void everyDemoCameraShowsAsACardInStateOrder() {
        camsim::test::CamsimProcess cameras(QStringLiteral(VISTREL_DEMO_SCENARIO));
        QVERIFY(cameras.waitUntilReady());

        start({.network = true, .firstTick = false});
        QTRY_COMPARE_WITH_TIMEOUT(form->ListBox_IPCAM().count(), 7, kWaitMs);

        const CameraList& list = form->cameraList();
        std::set<std::string> names;
        for (int i = 0; i < list.rowCount(); ++i) {
            names.insert(list.entry(i).name);
            if (i > 0) {
                QVERIFY(list.entry(i - 1).state <= list.entry(i).state);
            }
        }
        const std::set<std::string> demo{"Front door", "Garden",    "Living room", "Garage",
                                         "Office",     "Warehouse", "Back yard"};
        QVERIFY(names == demo);
        QCOMPARE(list.entry(0).state, 1);
        QCOMPARE(list.entry(6).state, 5);
        QCOMPARE(list.entry(6).name, std::string("Warehouse"));
    }

    void selectingACameraQueriesItAndItsSettingsFillThePanel() {
        camsim::test::CamsimProcess cameras(QStringLiteral(VISTREL_DEMO_SCENARIO));
        QVERIFY(cameras.waitUntilReady());
        startFinder();

        selectCamera("Office", "02:56:49:00:00:05");
        for (const char* command : {"0x0002", "0x0009", "0x0026"}) {
            const QJsonObject query = cameras.lastLogLineOf(QLatin1String(command));
            QCOMPARE(query.value(QStringLiteral("camera")).toString(),
                     QStringLiteral("02:56:49:00:00:05"));
        }
        // The camera's XML reply switched its wireless tab on and filled it.
        const SettingsPanel& panel = form->configuration().panel;
        QTRY_COMPARE_WITH_TIMEOUT(panel.MEMO_SETTING_SSID_EDIT.text, std::string("Vistrel Office"),
                                  kWaitMs);
        QVERIFY(panel.MEMO_SETTING_SSID_EDIT.enabled);
        QVERIFY(form->configuration().camera.xmlMode);
        QVERIFY(panel.Image_Config.visible);
    }

    void aFixedAddressFromPage2MovesTheCamera() {
        camsim::test::CamsimProcess cameras(QStringLiteral(VISTREL_DEMO_SCENARIO));
        QVERIFY(cameras.waitUntilReady());
        startFinder();
        selectCamera("Garage", "02:56:49:00:00:04");

        TForm_Login& login = form->loginDialog();
        const int garage = rowOf(form->cameraList(), "Garage");
        QVERIFY(test::ModalAnswers()
                    .then(login,
                          [&] {
                              auto* password =
                                  login.findChild<QLineEdit*>(QStringLiteral("Password_Edit"));
                              QTest::keyClicks(password, QStringLiteral("garage42"));
                              QTest::keyClick(password, Qt::Key_Return);
                          })
                    .run([&] { doubleClickCard(garage); }));
        TForm_Wizard& wizard = form->wizard();
        QVERIFY(wizard.isVisible());
        QCOMPARE(wizard.shownPage(), WizardPage::Network);

        const NetworkPage& page = wizard.pages().network;
        QTest::mouseClick(page.radios.staticIp, Qt::LeftButton);
        const QStringList addresses{QStringLiteral("127.0.0.20"), QStringLiteral("255.0.0.0"),
                                    QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.1")};
        for (std::size_t i = 0; i < page.edits.size(); ++i) {
            page.edits[i]->setText(addresses[static_cast<qsizetype>(i)]);
        }
        QVERIFY(test::ModalAnswers().run([&] { QTest::mouseClick(page.ok, Qt::LeftButton); }));
        QVERIFY(!wizard.isVisible());

        QTRY_COMPARE_WITH_TIMEOUT(
            cameras.lastLogLineOf(QStringLiteral("0x0003")).value(QStringLiteral("verdict")),
            QJsonValue(QStringLiteral("applied")), kWaitMs);
        // The search after the change finds the camera at its new address.
        QTRY_VERIFY_WITH_TIMEOUT(rowOf(form->cameraList(), "Garage") >= 0, kWaitMs);
        const int row = rowOf(form->cameraList(), "Garage");
        QCOMPARE(form->cameraList().row(row).columns[kColumnIp], std::string("127.  0.  0. 20"));
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::MainWindowCamerasTest)
#include "main_window_cameras_test.moc"
