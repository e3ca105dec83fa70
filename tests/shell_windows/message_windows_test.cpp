#include "shell/message_windows/form_finish.h"
#include "shell/message_windows/form_waiting.h"
#include "shell/message_windows/message_box_wchar.h"
#include "shell/message_windows/message_dialog_wchar.h"
#include "shell/message_windows/message_windows.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <vector>

namespace vistrel {
namespace {

const QString kConnectFailed = QStringLiteral("Camera does not answer");

// The main window as the message windows see it: a widget to enable and disable, the wizard's
// state and a hand-over that a test can make refuse.
class FakeMainWindow : public SetupHandOver {
public:
    QWidget mainWidget;
    bool dhcpFailed = false;
    bool setupCompleted = false;
    bool cameraAnswers = true;
    bool wizardOnTop = false;
    int wizardShown = 0;
    std::vector<bool> handOvers; // the reachability-check argument of each hand-over
    TMessage_Box_Wchar* box = nullptr;

    void enableMainWindow() override { mainWidget.setEnabled(true); }
    void disableMainWindow() override { mainWidget.setEnabled(false); }
    void giveWizardStayOnTop() override { wizardOnTop = true; }
    void showWizard() override { ++wizardShown; }
    bool& DhcpFailed() override { return dhcpFailed; }
    bool& SetupCompleted() override { return setupCompleted; }
    void StartPreviewAfterSetup(bool withReachabilityCheck,
                                const std::function<void()>& closeWindow) override {
        handOvers.push_back(withReachabilityCheck);
        if (withReachabilityCheck && !cameraAnswers) {
            box->SetMessage(kConnectFailed, QStringLiteral("Warning"));
            return;
        }
        closeWindow();
    }
};

template <typename T> T* control(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QLatin1String(name));
    if (found == nullptr) {
        qFatal("no control %s", name);
    }
    return found;
}

void click(QWidget& window, const char* buttonName) {
    QTest::mouseClick(control<QPushButton>(window, buttonName), Qt::LeftButton);
}

// Runs action inside the event loop of the modal window shown next. A window that is still open
// after that is closed, so that a fault fails the test instead of hanging it.
void whenShown(QWidget& window, std::function<void()> action) {
    QTimer::singleShot(0, &window, [&window, action = std::move(action)] {
        action();
        if (window.isVisible()) {
            window.close();
            QFAIL("the window stayed open");
        }
    });
}

} // namespace

class MessageWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeMainWindow> host;
    std::unique_ptr<TMessage_Box_Wchar> box;
    std::unique_ptr<TMessage_Dialog_Wchar> dialog;
    std::unique_ptr<TForm_Finish> finish;
    std::unique_ptr<TForm_Waiting> waiting;
    std::unique_ptr<MessageWindows> windows;

    QWidget& window(const QString& name) {
        if (name == QLatin1String("box")) {
            return *box;
        }
        if (name == QLatin1String("dialog")) {
            return *dialog;
        }
        if (name == QLatin1String("finish")) {
            return *finish;
        }
        return *waiting;
    }

private slots:
    void init() {
        host = std::make_unique<FakeMainWindow>();
        box = std::make_unique<TMessage_Box_Wchar>(*host);
        dialog = std::make_unique<TMessage_Dialog_Wchar>(*host);
        finish = std::make_unique<TForm_Finish>(*host);
        waiting = std::make_unique<TForm_Waiting>();
        windows = std::make_unique<MessageWindows>(*host, *box, *dialog, *finish);
        host->box = box.get();
        finish->setLinkOpener([](const QString&) { QFAIL("the link was opened"); });
    }

    void cleanup() {
        windows.reset();
        waiting.reset();
        finish.reset();
        dialog.reset();
        box.reset();
        host.reset();
    }

    void messageBoxIsModalOverDisabledMainWindow() {
        bool wasModal = false;
        bool mainWasEnabled = true;
        QString title;
        QString text;
        whenShown(*box, [&] {
            wasModal = box->isVisible() && QApplication::activeModalWidget() == box.get();
            mainWasEnabled = host->mainWidget.isEnabled();
            title = box->windowTitle();
            text = control<QLabel>(*box, "Label_Message")->text();
            click(*box, "Button_Message_Box_OK");
        });

        windows->ShowMessageBox(QStringLiteral("Text \u00e9"), QStringLiteral("Warning"));

        QVERIFY(wasModal);
        QVERIFY(!mainWasEnabled);
        QCOMPARE(title, QStringLiteral("Warning"));
        QCOMPARE(text, QStringLiteral("Text \u00e9"));
        QVERIFY(host->mainWidget.isEnabled());
        QVERIFY(!box->isVisible());
        QVERIFY(host->wizardOnTop);
        QCOMPARE(host->wizardShown, 0);
        QVERIFY(host->handOvers.empty());
    }

    void messageBoxClosedByTitleBarOnlyEnablesMainWindow() {
        host->dhcpFailed = true;
        host->setupCompleted = true;
        whenShown(*box, [&] { box->close(); });

        windows->ShowMessageBox(QStringLiteral("x"), QStringLiteral("Warning"));

        QVERIFY(host->mainWidget.isEnabled());
        QVERIFY(!host->wizardOnTop);
        QCOMPARE(host->wizardShown, 0);
        QVERIFY(host->dhcpFailed);
        QVERIFY(host->setupCompleted);
        QVERIFY(host->handOvers.empty());
    }

    void refusedHandOverKeepsBoxOpenUntilSecondOk() {
        host->setupCompleted = true;
        host->cameraAnswers = false;
        bool openAfterFirstOk = false;
        QString textAfterFirstOk;
        whenShown(*box, [&] {
            click(*box, "Button_Message_Box_OK");
            openAfterFirstOk = box->isVisible();
            textAfterFirstOk = box->MessageText();
            click(*box, "Button_Message_Box_OK");
        });

        windows->ShowMessageBox(QStringLiteral("Done"), QStringLiteral("Admin"));

        QVERIFY(openAfterFirstOk);
        QCOMPARE(textAfterFirstOk, kConnectFailed);
        QCOMPARE(host->handOvers, std::vector<bool>{true});
        QVERIFY(!host->setupCompleted);
        QVERIFY(!box->isVisible());
        QVERIFY(host->mainWidget.isEnabled());
    }

    void dhcpFailureBoxLeavesMainWindowUsableAndItsOkShowsWizard() {
        host->dhcpFailed = true;

        windows->ShowMessageBoxModeless(QStringLiteral("DHCP"), QStringLiteral("Warning"));

        QVERIFY(box->isVisible());
        QVERIFY(!box->isModal());
        QVERIFY(host->mainWidget.isEnabled());
        click(*box, "Button_Message_Box_OK");
        QVERIFY(!box->isVisible());
        QCOMPARE(host->wizardShown, 1);
        QVERIFY(!host->dhcpFailed);
        QVERIFY(host->wizardOnTop);
    }

    void loginWarningIsModalWithoutDisablingMainWindow() {
        bool mainWasEnabled = false;
        bool wasModal = false;
        whenShown(*box, [&] {
            mainWasEnabled = host->mainWidget.isEnabled();
            wasModal = QApplication::activeModalWidget() == box.get();
            click(*box, "Button_Message_Box_OK");
        });

        windows->ShowMessageBoxModalMainEnabled(QStringLiteral("x"), QStringLiteral("Warning"));

        QVERIFY(mainWasEnabled);
        QVERIFY(wasModal);
        QVERIFY(!box->isVisible());
    }

    // Each row asks twice: the first question is answered with OK, the second is closed the
    // row's way, so every row also shows that a new question starts from 0.
    void dialogResultAfterEachWayOfClosing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("expected");
        QTest::newRow("OK") << QStringLiteral("ok") << 1;
        QTest::newRow("Cancel") << QStringLiteral("cancel") << 0;
        QTest::newRow("title bar") << QStringLiteral("close") << 0;
        QTest::newRow("Escape") << QStringLiteral("escape") << 0;
    }

    void dialogResultAfterEachWayOfClosing() {
        QFETCH(QString, how);
        QFETCH(int, expected);
        whenShown(*dialog, [&] { click(*dialog, "Button_Message_Dialog_OK"); });
        QCOMPARE(windows->AskOkCancel(QStringLiteral("First?"), QStringLiteral("Admin")), 1);

        bool mainWasEnabled = true;
        int resultWhileShown = -1;
        whenShown(*dialog, [&] {
            mainWasEnabled = host->mainWidget.isEnabled();
            resultWhileShown = dialog->DialogResult();
            if (how == QLatin1String("ok")) {
                click(*dialog, "Button_Message_Dialog_OK");
            } else if (how == QLatin1String("cancel")) {
                click(*dialog, "Button_Message_Dialog_Cancel");
            } else if (how == QLatin1String("close")) {
                dialog->close();
            } else {
                QTest::keyClick(dialog.get(), Qt::Key_Escape);
            }
        });

        const int result = windows->AskOkCancel(QStringLiteral("Leave?"), QStringLiteral("Admin"));

        QCOMPARE(resultWhileShown, 0);
        QVERIFY(!mainWasEnabled);
        QCOMPARE(result, expected);
        QVERIFY(host->mainWidget.isEnabled());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Admin"));
    }

    void finishOkHandsOverWithoutReachabilityCheck() {
        host->setupCompleted = true;
        host->cameraAnswers = false; // not asked: the finish window hands over unchecked
        bool mainWasEnabled = true;
        QStringList shown;
        whenShown(*finish, [&] {
            mainWasEnabled = host->mainWidget.isEnabled();
            shown << finish->windowTitle() << finish->MessageText() << finish->LinkText();
            click(*finish, "Button_Message_Box_OK");
        });

        windows->ShowFinish(QStringLiteral("Set-up complete"),
                            QStringLiteral("http://cam1.example"));

        QVERIFY(!mainWasEnabled);
        QCOMPARE(shown, (QStringList{QStringLiteral("Admin"), QStringLiteral("Set-up complete"),
                                     QStringLiteral("http://cam1.example")}));
        QCOMPARE(host->handOvers, std::vector<bool>{false});
        QVERIFY(!host->setupCompleted);
        QVERIFY(host->wizardOnTop);
        QVERIFY(!finish->isVisible());
        QVERIFY(host->mainWidget.isEnabled());
    }

    // Closing the finish window by its title bar ends the set-up without the live picture, so
    // the next unrelated message's OK only closes its box.
    void finishClosedByTitleBarEndsTheSetUpWithoutAHandOver() {
        host->setupCompleted = true;
        whenShown(*finish, [&] { finish->close(); });

        windows->ShowFinish(QStringLiteral("Done"), QStringLiteral("link"));

        QVERIFY(host->mainWidget.isEnabled());
        QVERIFY(!host->setupCompleted);
        QVERIFY(host->handOvers.empty());
        QVERIFY(!host->wizardOnTop);

        whenShown(*box, [&] { click(*box, "Button_Message_Box_OK"); });
        windows->ShowMessageBox(QStringLiteral("Unrelated"), QStringLiteral("Warning"));
        QVERIFY(host->handOvers.empty());
        QVERIFY(!box->isVisible());
    }

    void linkClickHandsItsCaptionToTheOpener() {
        QStringList opened;
        finish->setLinkOpener([&opened](const QString& link) { opened << link; });
        finish->SetFinish(QStringLiteral("Done"), QStringLiteral("http://cam1.ddns.example"));
        auto* link = control<QLabel>(*finish, "Label_Link");

        QTest::mouseClick(link, Qt::RightButton);
        QVERIFY(opened.isEmpty());
        QTest::mouseClick(link, Qt::LeftButton);

        QCOMPARE(opened, QStringList{QStringLiteral("http://cam1.ddns.example")});
        QVERIFY(link->font().underline());
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    }

    void messageTooTallForTheLabelIsCutAtTheBottom() {
        auto* label = control<QLabel>(*box, "Label_Message");
        box->SetMessage(QStringLiteral("Short"), QStringLiteral("Warning"));
        QVERIFY(label->alignment() & Qt::AlignVCenter);

        box->SetMessage(QStringLiteral("A long line of words. ").repeated(40),
                        QStringLiteral("Warning"));
        QVERIFY(label->alignment() & Qt::AlignTop);
        QCOMPARE(label->size(), QSize(257, 97));
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    void windowsHaveTheirSizesAndFrames_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("clientSize");
        QTest::addColumn<bool>("tool");
        QTest::addColumn<bool>("onTop");
        QTest::addColumn<bool>("frameless");
        QTest::newRow("box") << QStringLiteral("box") << QSize(288, 166) << true << true << false;
        QTest::newRow("dialog") << QStringLiteral("dialog") << QSize(292, 166) << true << true
                                << false;
        QTest::newRow("waiting") << QStringLiteral("waiting") << QSize(200, 100) << true << true
                                 << true;
        QTest::newRow("finish") << QStringLiteral("finish") << QSize(297, 172) << false << false
                                << false;
    }

    void windowsHaveTheirSizesAndFrames() {
        QFETCH(QString, window);
        QFETCH(QSize, clientSize);
        QFETCH(bool, tool);
        QFETCH(bool, onTop);
        QFETCH(bool, frameless);
        QWidget& w = this->window(window);
        const Qt::WindowFlags flags = w.windowFlags();
        QCOMPARE(w.size(), clientSize);
        QCOMPARE(w.minimumSize(), clientSize);
        QCOMPARE(w.maximumSize(), clientSize);
        QCOMPARE(w.parentWidget(), nullptr);
        QCOMPARE((flags & Qt::WindowType_Mask) == Qt::Tool, tool);
        QCOMPARE(flags.testFlag(Qt::WindowStaysOnTopHint), onTop);
        QCOMPARE(flags.testFlag(Qt::FramelessWindowHint), frameless);
        if (tool && !frameless) {
            QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
            QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        }
    }

    void controlsSitAtTheirPlaces_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("text");
        const QString label = QStringLiteral("QLabel");
        const QString tntLabel = QStringLiteral("vistrel::TTntLabel");
        const QString tntButton = QStringLiteral("vistrel::TTntButton");
        const auto row = [](const char* window, const char* name, QRect geometry,
                            const QString& className, const char* text = "") {
            QTest::addRow("%s %s", window, name)
                << QString::fromLatin1(window) << QString::fromLatin1(name) << geometry << className
                << QString::fromLatin1(text);
        };
        row("box", "Image1", QRect(-8, -1, 297, 169), label);
        row("box", "Label_Message", QRect(16, 8, 257, 97), label);
        row("box", "Button_Message_Box_OK", QRect(85, 120, 120, 25), tntButton, "OK");
        row("dialog", "Image1", QRect(0, -1, 297, 175), label);
        row("dialog", "Label_Message", QRect(40, 8, 209, 62), label);
        row("dialog", "Button_Message_Dialog_OK", QRect(30, 120, 100, 25), tntButton, "OK");
        row("dialog", "Button_Message_Dialog_Cancel", QRect(160, 120, 100, 25), tntButton,
            "Cancel");
        row("waiting", "Image_Back", QRect(0, 0, 201, 113), label);
        row("finish", "Image1", QRect(0, 0, 297, 172), label);
        row("finish", "Label_Message", QRect(25, 0, 257, 81), label);
        row("finish", "Label_Link", QRect(25, 83, 257, 33),
            QStringLiteral("vistrel::ClickableLabel"));
        row("finish", "Button_Message_Box_OK", QRect(94, 125, 120, 25), tntButton, "OK");
    }

    void controlsSitAtTheirPlaces() {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, className);
        QFETCH(QString, text);
        auto* widget = this->window(window).findChild<QWidget*>(name);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QCOMPARE(button->text(), text);
        }
    }

    void waitingTextIsWhiteArialAtItsPlace() {
        auto* wait = waiting->findChild<TTntLabel*>(QStringLiteral("TntLabel_Wait"));
        QVERIFY(wait != nullptr);
        QCOMPARE(wait->pos(), QPoint(60, 40));
        QCOMPARE(wait->text(), QStringLiteral("Searching..."));
        QCOMPARE(wait->font().family(), QStringLiteral("Arial"));
        QCOMPARE(wait->font().pixelSize(), 16);
        QCOMPARE(wait->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(waiting->pos(), QPoint(637, 491));
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::MessageWindowsTest)
#include "message_windows_test.moc"
