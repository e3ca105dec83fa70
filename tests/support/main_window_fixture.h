#pragma once
// The main window as the Qt tests drive it: created with its requests recorded (or, inside the
// private network namespace, sent over the real UDP endpoint), started as at program start,
// and taken down again with any modal window a failed test left open. Helpers for what most
// tests do with it: find its texts, read what it sent, click a camera's card, answer its
// message box and login.

#include "camhttp/windows/form_login.h"
#include "localization/windows/localization.h"
#include "shell/main_window.h"
#include "shell/message_windows/message_box_wchar.h"
#include "support/finder_steps.h"
#include "support/recording_sender.h"
#include "wizard/form_wizard.h"

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace vistrel::test {

struct FinderStart {
    // Over the real UDP endpoint instead of the recording sender (integration tests).
    bool network = false;
    // One tick of the main window's timer: the language applied, the first second over.
    bool firstTick = true;
    // Both one-second timers tick only when the test calls their handlers.
    bool timersByTest = false;
};

class MainWindowFixture {
public:
    static constexpr int kNeverMs = 3600 * 1000;

    RecordingSender requests; // what the finder sent, unless it runs on the network
    std::unique_ptr<TMainForm> form;

    void start(FinderStart how = {}) {
        requests.sent.clear();
        form = std::make_unique<TMainForm>(how.network ? nullptr : &requests);
        form->Form_OnCreate();
        form->show();
        if (how.timersByTest) {
            form->GetDhcp_Timer().setInterval(kNeverMs);
            form->wizard().Timer_Wizard().setInterval(kNeverMs);
        }
        if (how.firstTick) {
            form->GetDhcp_TimerTimer();
        }
    }

    void stop() {
        while (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
            if (QApplication::activeModalWidget() == modal) {
                break; // it refused to close
            }
        }
        form.reset();
    }

    TForm_Wizard& wizard() { return form->wizard(); }
    WizardPages& pages() { return form->wizard().pages(); }

    // The text of a key in the main window's language section; a missing key fails the test.
    QString text(const char* key) const {
        return foundText(form->language().languageSection(), key);
    }
    // The same in the wizard's section.
    QString wizardText(const char* key) const {
        return foundText(form->language().wizardLanguageSection(), key);
    }

    std::vector<int> sentCommands() const {
        std::vector<int> commands;
        for (const auto& datagram : requests.sent) {
            commands.push_back(commandOf(datagram));
        }
        return commands;
    }
    int sentCount(int command) const {
        return static_cast<int>(std::ranges::count(sentCommands(), command));
    }
    std::vector<std::vector<std::uint8_t>> sentWith(int command) const {
        std::vector<std::vector<std::uint8_t>> found;
        std::ranges::copy_if(
            requests.sent, std::back_inserter(found),
            [command](const auto& datagram) { return commandOf(datagram) == command; });
        return found;
    }

    // A point on the body of the card at this index, away from its preview square.
    QPoint cardBody(int index = 0) const {
        return form->ListBox_IPCAM().itemRect(index).topLeft() + QPoint(200, 50);
    }
    void clickCard(int index = 0) {
        QTest::mouseClick(form->ListBox_IPCAM().viewport(), Qt::LeftButton, {}, cardBody(index));
    }
    void doubleClickCard(int index = 0) {
        QTest::mouseDClick(form->ListBox_IPCAM().viewport(), Qt::LeftButton, {}, cardBody(index));
    }

    // Presses OK of the message box, keeping its text: a step for ModalAnswers.
    std::function<void()> acknowledge(QString& shown) {
        return [this, &shown] {
            shown = form->messageBox().MessageText();
            QTest::mouseClick(control(form->messageBox(), "Button_Message_Box_OK"), Qt::LeftButton);
        };
    }
    // Types the password into the login and presses OK (or the button named).
    std::function<void()> logIn(const QString& password, const char* button = "Button_Login_OK") {
        return logInStep(*form, password, button);
    }

    template <typename T = QWidget> static T* control(QWidget& window, const char* name) {
        return window.findChild<T*>(QLatin1String(name));
    }

private:
    static QString foundText(const QString& section, const char* key) {
        const QString found = LookupText(section, QLatin1String(key));
        [&] { QVERIFY2(!found.isEmpty(), key); }();
        return found;
    }
};

} // namespace vistrel::test
