// The main window over the demo cameras of vistrel-camsim: every camera shows as a card, in
// state order. Runs inside the private network namespace of scripts/netns.

#include "shell/main_window.h"
#include "support/camsim_process.h"
#include "support/private_network.h"

#include <QTest>
#include <algorithm>
#include <set>

namespace vistrel {

class MainWindowCamerasTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { VISTREL_QSKIP_OUTSIDE_PRIVATE_NETWORK(); }

    void everyDemoCameraShowsAsACardInStateOrder() {
        camsim::test::CamsimProcess cameras(QStringLiteral(VISTREL_DEMO_SCENARIO));
        QVERIFY(cameras.waitUntilReady());

        TMainForm form;
        form.Form_OnCreate();
        form.show();
        QTRY_COMPARE_WITH_TIMEOUT(form.ListBox_IPCAM().count(), 7, 10000);

        const CameraList& list = form.cameraList();
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
};

} // namespace vistrel

QTEST_MAIN(vistrel::MainWindowCamerasTest)
#include "main_window_cameras_test.moc"
