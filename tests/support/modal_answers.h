#pragma once
// Answers the modal windows that an action opens, in order: each answer runs once its window
// is the active modal window, and may open the next one. Polls the modal stack, so nested
// windows (a message box over the login dialog) are answered as they come. A modal window that
// no answer expects is closed after two seconds, or the patience given, so that a fault fails
// the test instead of hanging it.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <utility>

namespace vistrel::test {

class ModalAnswers {
public:
    // Patience: how long a modal window may stay up before its answer's window comes, longer
    // for an action that waits for the network behind a dialog.
    explicit ModalAnswers(int patienceMs = 2000) : pollsBeforeClosing_(patienceMs / kPollMs) {}

    // When `window` shows modally, run `answer` (which should close it).
    ModalAnswers& then(QWidget& window, std::function<void()> answer) {
        steps_.push_back({&window, std::move(answer)});
        return *this;
    }

    // Runs the action with the answers standing by; returns whether every answer ran and no
    // other modal window showed.
    bool run(const std::function<void()>& action) {
        QTimer poll;
        poll.setInterval(kPollMs);
        QObject::connect(&poll, &QTimer::timeout, &poll, [this] { answerActiveWindow(); });
        poll.start();
        action();
        poll.stop();
        return steps_.empty() && !unexpected_;
    }

private:
    struct Step {
        QWidget* window;
        std::function<void()> answer;
    };

    static constexpr int kPollMs = 5;

    void answerActiveWindow() {
        QWidget* active = QApplication::activeModalWidget();
        if (!steps_.empty() && active == steps_.front().window) {
            waited_ = 0;
            // Answered from a timer of its own: an answer that opens the next window waits in
            // that window's event loop, where this poll must go on.
            QTimer::singleShot(0, active, std::move(steps_.front().answer));
            steps_.pop_front();
        } else if (active && ++waited_ > pollsBeforeClosing_) {
            waited_ = 0;
            unexpected_ = true;
            active->close();
        }
    }

    std::deque<Step> steps_;
    int pollsBeforeClosing_;
    int waited_ = 0;
    bool unexpected_ = false;
};

} // namespace vistrel::test
