#include "cli/password_prompt.h"

#include <algorithm>
#include <array>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace vistrel {

namespace {

// Longer than any password a camera takes; what goes beyond is dropped and the length checks
// refuse the rest.
constexpr std::size_t kLongestAnswer = 1023;
constexpr std::size_t kHeapCapacity = 64; // beyond the small-string buffer

// The terminal's settings while echo is off, restored by the signals that end the program
// too, so that an interrupted prompt does not leave the shell without echo.
int gTerminal = -1;
termios gSavedSettings{};

void restoreAndReraise(int signal) {
    tcsetattr(gTerminal, TCSANOW, &gSavedSettings);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

constexpr std::array kEndingSignals{SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP};

class EchoOff {
public:
    explicit EchoOff(int terminal) {
        if (tcgetattr(terminal, &gSavedSettings) != 0) {
            return;
        }
        gTerminal = terminal;
        struct sigaction action {};
        action.sa_handler = restoreAndReraise;
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
            sigaction(kEndingSignals[i], &action, &previous_[i]);
        }
        termios quiet = gSavedSettings;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        quiet.c_lflag |= ECHONL; // the line end still shows
        active_ = tcsetattr(terminal, TCSAFLUSH, &quiet) == 0;
    }
    ~EchoOff() {
        if (gTerminal < 0) {
            return;
        }
        if (active_) {
            tcsetattr(gTerminal, TCSAFLUSH, &gSavedSettings);
        }
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
            sigaction(kEndingSignals[i], &previous_[i], nullptr);
        }
        gTerminal = -1;
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    bool active_ = false;
    std::array<struct sigaction, kEndingSignals.size()> previous_{};
};

void writeAll(int descriptor, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(descriptor, text.data(), text.size());
        if (written <= 0) {
            return;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

// One line from the terminal into a fixed buffer; false when the input ended first.
bool readLine(int terminal, SecretText& answer) {
    std::array<char, kLongestAnswer> line{};
    std::size_t length = 0;
    bool anything = false;
    char c = 0;
    while (read(terminal, &c, 1) == 1) {
        anything = true;
        if (c == '\n') {
            break;
        }
        if (length < line.size()) {
            line[length++] = c;
        }
    }
    answer = SecretText(std::string_view(line.data(), length));
    explicit_bzero(line.data(), line.size());
    c = 0;
    return anything;
}

std::string noPasswordError(const char* variable, std::string_view what) {
    return "no " + std::string(what) + ": set " + variable +
           " or run vistrel-finder on a terminal to be asked for it";
}

// A password typed on the terminal; variable names the environment variable that would spare
// the question.
PasswordOutcome askTerminal(PasswordTerminal& terminal, std::string_view prompt,
                            const char* variable, std::string_view what) {
    PasswordOutcome outcome;
    switch (terminal.ask(prompt, outcome.password)) {
    case PasswordTerminal::Answer::Entered:
        break;
    case PasswordTerminal::Answer::NoTerminal:
        outcome.error = noPasswordError(variable, what);
        break;
    case PasswordTerminal::Answer::Ended:
        outcome.error = "no " + std::string(what) + " was entered";
        break;
    }
    return outcome;
}

} // namespace

SecretText::SecretText(std::string_view text) {
    text_.reserve(std::max(kHeapCapacity, text.size()));
    text_.assign(text);
}

SecretText& SecretText::operator=(SecretText&& other) noexcept {
    if (this != &other) {
        wipe();
        text_ = std::move(other.text_);
    }
    return *this;
}

void SecretText::wipe() {
    explicit_bzero(text_.data(), text_.size());
    text_.clear();
}

PasswordTerminal::Answer ControllingTerminal::ask(std::string_view prompt, SecretText& answer) {
    const int terminal = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (terminal < 0) {
        return Answer::NoTerminal;
    }
    bool entered = false;
    {
        EchoOff echoOff(terminal);
        writeAll(terminal, prompt);
        entered = readLine(terminal, answer);
    }
    close(terminal);
    return entered ? Answer::Entered : Answer::Ended;
}

PasswordOutcome currentPassword(const PasswordSources& sources, std::string_view macText) {
    if (const char* value = sources.environment(kPasswordVariable)) {
        PasswordOutcome outcome;
        outcome.password = SecretText(value);
        return outcome;
    }
    const std::string prompt = "Administrator password of camera " + std::string(macText) + ": ";
    return askTerminal(sources.terminal, prompt, kPasswordVariable, "password");
}

PasswordOutcome newPassword(const PasswordSources& sources) {
    if (const char* value = sources.environment(kNewPasswordVariable)) {
        PasswordOutcome outcome;
        outcome.password = SecretText(value);
        outcome.confirmation = SecretText(value);
        return outcome;
    }
    PasswordOutcome outcome = askTerminal(
        sources.terminal, "New administrator password: ", kNewPasswordVariable, "new password");
    if (!outcome.obtained()) {
        return outcome;
    }
    PasswordOutcome repeated = askTerminal(
        sources.terminal, "Repeat the new password: ", kNewPasswordVariable, "new password");
    outcome.confirmation = std::move(repeated.password);
    outcome.error = std::move(repeated.error);
    return outcome;
}

} // namespace vistrel
