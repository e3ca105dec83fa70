// The main window on the offscreen platform, with its requests recorded instead of sent.

#include "camhttp/windows/form_preview.h"
#include "support/datagram_fixtures.h"
#include "support/main_window_fixture.h"
#include "support/modal_answers.h"

#include <QLabel>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace vistrel {

namespace {

// A stream whose connection takes a while to close once the worker is told to stop, as a
// camera's can: the preview's stop then serves events for that long.
class SlowToCloseStream final : public PictureSource {
public:
    StreamOpening open(const StreamTarget&) override { return StreamOpening::Opened; }
    FrameStatus readFrame(std::vector<std::uint8_t>&) override {
        while (!interrupted_.load()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        return FrameStatus::Interrupted;
    }
    void interrupt() override { interrupted_.store(true); }

private:
    std::atomic<bool> interrupted_{false};
};

} // namespace

// Before the first tick of its timer: the first second after start-up.
class MainWindowTest : public QObject, private test::MainWindowFixture {
    Q_OBJECT

private:
    void reply(std::uint8_t lastMacByte, std::uint8_t flagA, std::uint8_t flagB,
               const char* name = "cam") {
        test::DiscoveryReplyFields fields;
        fields.mac[5] = lastMacByte;
        fields.setupFlagA = flagA;
        fields.setupFlagB = flagB;
        fields.name = name;
        const auto datagram = test::discoveryReply(fields);
        form->decodeDatagram(datagram);
    }

    QPoint cardPoint(int index, int x, int y) {
        return form->ListBox_IPCAM().itemRect(index).topLeft() + QPoint(x, y);
    }

    // Runs the action and presses `button` of the modal window it opens, reporting what the
    // window showed. The timer dies with this call, so a window that never opens leaves nothing
    // behind to fire in a later test.
    void whileModal(QWidget& window, const char* button, const std::function<void()>& action,
                    const std::function<void()>& inspect) {
        QTimer press;
        press.setSingleShot(true);
        connect(&press, &QTimer::timeout, &window, [&] {
            inspect();
            QTest::mouseClick(window.findChild<QWidget*>(QLatin1String(button)), Qt::LeftButton);
        });
        press.start(0);
        action();
    }

    // Presses OK of the modal message box as soon as it shows; returns its text.
    QString answerMessageBox(const std::function<void()>& action) {
        QString text;
        auto& box = form->messageBox();
        whileModal(box, "Button_Message_Box_OK", action, [&] { text = box.MessageText(); });
        return text;
    }

private slots:
    void init() { start({.firstTick = false}); }
    void cleanup() { stop(); }

    void startUpSendsOneDiscoveryAndKeepsTheLayout() {
        QCOMPARE(requests.sent.size(), std::size_t{1});
        QCOMPARE(requests.sent[0][7], std::uint8_t{0x04});
        QCOMPARE(form->size(), QSize(524, 495));
        QCOMPARE(form->ListBox_IPCAM().geometry(), QRect(12, 42, 500, 400));
        QCOMPARE(form->windowTitle(), QStringLiteral("Vistrel Finder v1.0.28"));
        QVERIFY(form->GetDhcp_Timer().isActive());
        QCOMPARE(form->GetDhcp_Timer().interval(), 1000);
    }

    void oneCardPerCameraAfterADoubleSearch() {
        ++form->searchCycle().TimerTicks;
        auto* search = form->findChild<QWidget*>(QStringLiteral("TntImage_Search"));
        QTest::mouseClick(search, Qt::LeftButton);
        QCOMPARE(requests.sent.size(), std::size_t{3}); // start-up, then two per click
        reply(1, 1, 2);
        reply(1, 1, 2);
        reply(2, 0, 2);
        QCOMPARE(form->cameraList().rowCount(), 2);
        QCOMPARE(form->ListBox_IPCAM().count(), 2);
        QCOMPARE(form->cameraList().entry(0).state, 1); // ordered by state
    }

    void altKeysSearchAndConfigure() {
        auto& list = form->ListBox_IPCAM();
        QTest::keyClick(&list, Qt::Key_C);
        QCOMPARE(requests.sent.size(), std::size_t{1});
        QTest::keyClick(&list, Qt::Key_C, Qt::AltModifier);
        QCOMPARE(requests.sent.size(), std::size_t{2});
        // Configure without a selected camera says so.
        const QString text =
            answerMessageBox([&] { QTest::keyClick(&list, Qt::Key_S, Qt::AltModifier); });
        QCOMPARE(text, LookupText(form->language().languageSection(),
                                  QStringLiteral("Please_Select_A_Camera")));
    }

    void busyUntilTheFirstTick() {
        reply(1, 1, 2);
        auto& list = form->ListBox_IPCAM();
        // A click changes nothing while busy; a double-click says so.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cardPoint(0, 200, 50));
        QCOMPARE(form->cameraList().selectedIndex(), -1);
        const QString text = answerMessageBox([&] {
            QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, cardPoint(0, 200, 50));
        });
        QCOMPARE(text, QStringLiteral("The admin utility is busy searching."));
        QVERIFY(!form->loginDialog().isVisible());

        form->GetDhcp_TimerTimer();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cardPoint(0, 200, 50));
        QCOMPARE(form->cameraList().selectedIndex(), 0);
        // Now the set-up camera asks for its password; cancelling it says so.
        auto& login = form->loginDialog();
        auto& box = form->messageBox();
        QVERIFY(test::ModalAnswers()
                    .then(login,
                          [&] {
                              QTest::mouseClick(
                                  login.findChild<QWidget*>(QStringLiteral("Button_Login_Cancel")),
                                  Qt::LeftButton);
                          })
                    .then(box,
                          [&] {
                              QTest::mouseClick(
                                  box.findChild<QWidget*>(QStringLiteral("Button_Message_Box_OK")),
                                  Qt::LeftButton);
                          })
                    .run([&] {
                        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {},
                                           cardPoint(0, 200, 50));
                    }));
    }

    void firstTickAppliesTheLanguage() {
        QVERIFY(form->language().languageSection().isNull());
        form->GetDhcp_TimerTimer();
        QVERIFY(!form->language().languageSection().isEmpty());
        const auto* search = form->findChild<QWidget*>(QStringLiteral("TntImage_Search"));
        QVERIFY(!search->toolTip().isEmpty());
    }

    void delayedSearchAtTheSixthTick() {
        form->GetDhcp_TimerTimer();
        form->searchCycle().requestDelayedSearch();
        for (int tick = 1; tick <= 5; ++tick) {
            form->GetDhcp_TimerTimer();
        }
        QCOMPARE(requests.sent.size(), std::size_t{1});
        form->GetDhcp_TimerTimer();
        QCOMPARE(requests.sent.size(), std::size_t{2});
        QVERIFY(!form->GetDhcp_Timer().isActive());
    }

    void pressOnANewCamerasBodyHighlightsIt() {
        form->GetDhcp_TimerTimer();
        reply(1, 0, 2);
        reply(2, 0, 2);
        auto* viewport = form->ListBox_IPCAM().viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, cardPoint(0, 200, 50));
        QCOMPARE(form->cameraList().entry(0).state, kStateHighlighted);
        QTest::mousePress(viewport, Qt::LeftButton, {}, cardPoint(1, 200, 50));
        QCOMPARE(form->cameraList().entry(0).state, kStateNew);
        QCOMPARE(form->cameraList().entry(1).state, kStateHighlighted);
        reply(3, 1, 2); // the next reply shows every camera in its own state again
        QCOMPARE(form->cameraList().entry(1).state, kStateNew);
    }

    void previewSquareOfANewCameraOpensNoLogin() {
        form->GetDhcp_TimerTimer();
        reply(1, 0, 2);
        auto* viewport = form->ListBox_IPCAM().viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, cardPoint(0, 450, 50));
        QCOMPARE(form->cameraList().selectedIndex(), 0);
        QVERIFY(!form->loginDialog().isVisible());
    }

    void previewSquareOfASetUpCameraOpensTheLoginForTheLivePicture() {
        form->GetDhcp_TimerTimer();
        reply(1, 1, 2, "Porch");
        auto& login = form->loginDialog();
        bool shown = false;
        QVERIFY(test::ModalAnswers()
                    .then(login,
                          [&] {
                              shown = login.isVisible();
                              login.close(); // the title bar: no message follows
                          })
                    .run([&] {
                        QTest::mouseClick(form->ListBox_IPCAM().viewport(), Qt::LeftButton, {},
                                          cardPoint(0, 450, 50));
                    }));
        QVERIFY(shown);
        QCOMPARE(login.CameraName(), QStringLiteral("Porch"));
        QVERIFY(login.PreviewModeFlag());
        QVERIFY(login.PasswordText().isEmpty());
    }

    void dragOnlyFromTheBandsAboveAndBelowTheList() {
        int drags = 0;
        form->setStartDrag([&] {
            ++drags;
            return true;
        });
        const struct {
            int y;
            bool drags;
        } cases[]{{49, true}, {50, false}, {411, false}, {412, true}};
        for (const auto& c : cases) {
            const int before = drags;
            form->Image_BgMouseDown(Qt::LeftButton, c.y);
            QCOMPARE(drags - before, c.drags ? 1 : 0);
        }
        form->Image_BgMouseDown(Qt::RightButton, 10);
        QCOMPARE(drags, 2);
    }

    void roundedShapeInsideTheWindow() {
        const QRegion shape = form->mask();
        QVERIFY(!shape.isEmpty());
        QCOMPARE(shape.boundingRect(), QRect(0, 0, 519, 490));
        QVERIFY(!shape.contains(QPoint(0, 0)));
        QVERIFY(shape.contains(QPoint(500, 24))); // the close button stays inside
    }

    // Closing the program with the live picture open: the preview's stop serves events, and no
    // timer tick may then meet a main window that is half taken apart.
    void shutdownWithThePreviewOpenStopsTheTimersFirst() {
        TForm_Preview& preview = form->previewWindow();
        preview.setPictureSourceFactory([] { return std::make_unique<SlowToCloseStream>(); });
        preview.Open_Preview(*form);
        QVERIFY(preview.viewing());
        form->searchCycle().TimerTicks = 0; // the next tick applies the language
        form->GetDhcp_Timer().start(0);
        int ticksDuringShutdown = 0;
        QObject watcher;
        connect(&form->GetDhcp_Timer(), &QTimer::timeout, &watcher, [&] { ++ticksDuringShutdown; });
        form.reset();
        QCOMPARE(ticksDuringShutdown, 0);
    }

    // Camera names, models and network names come from anyone on the LAN: no label of any
    // window reads markup in its text. Pictures (the layout names them Image...) show none.
    void everyTextLabelShowsPlainText() {
        for (QWidget* window : form->allWindows()) {
            for (const QLabel* label : window->findChildren<QLabel*>()) {
                if (label->objectName().contains(QLatin1String("Image"))) {
                    continue;
                }
                QVERIFY2(label->textFormat() == Qt::PlainText,
                         qPrintable(window->objectName() + QLatin1Char('/') + label->objectName()));
            }
        }
    }

    void secondaryWindowsExistHidden() {
        for (const char* name : {"Form_Login", "Message_Box_Wchar", "Message_Dialog_Wchar",
                                 "Form_Wizard", "Form_Preview", "Form_Waiting", "Form_Finish"}) {
            bool found = false;
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->objectName() == QLatin1String(name)) {
                    found = true;
                    QVERIFY2(!window->isVisible(), name);
                }
            }
            QVERIFY2(found, name);
        }
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::MainWindowTest)
#include "main_window_test.moc"
