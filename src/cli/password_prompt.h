#pragma once
// Where the command line's passwords come from: the environment or, on the terminal, a prompt
// without echo. Never from an option, which every user of the machine can read, and never
// printed.

#include <functional>
#include <string>
#include <string_view>

namespace vistrel {

inline constexpr const char* kPasswordVariable = "VISTREL_PASSWORD";
inline constexpr const char* kNewPasswordVariable = "VISTREL_NEW_PASSWORD";

// A password held in memory: wiped when it is dropped. Its buffer lives on the heap from the
// start, so that moving it hands the buffer on instead of leaving a copy behind.
class SecretText {
public:
    SecretText() : SecretText(std::string_view()) {}
    explicit SecretText(std::string_view text);
    ~SecretText() { wipe(); }
    SecretText(SecretText&& other) noexcept : text_(std::move(other.text_)) {}
    SecretText& operator=(SecretText&& other) noexcept;
    SecretText(const SecretText&) = delete;
    SecretText& operator=(const SecretText&) = delete;

    const std::string& text() const { return text_; }
    bool empty() const { return text_.empty(); }

private:
    void wipe();

    std::string text_;
};

// The terminal that asks for a password.
class PasswordTerminal {
public:
    enum class Answer {
        Entered,    // a line was typed, perhaps empty
        NoTerminal, // the process has no terminal to ask on
        Ended,      // the input ended before a line was typed
    };

    virtual ~PasswordTerminal() = default;
    virtual Answer ask(std::string_view prompt, SecretText& answer) = 0;
};

// The process's controlling terminal (/dev/tty), whatever standard input and output are, with
// echo off while the password is typed. Standard output is never used.
class ControllingTerminal : public PasswordTerminal {
public:
    Answer ask(std::string_view prompt, SecretText& answer) override;
};

struct PasswordSources {
    std::function<const char*(const char*)> environment; // getenv
    PasswordTerminal& terminal;
};

struct PasswordOutcome {
    SecretText password;
    SecretText confirmation; // the new password's repetition; the current password has none
    std::string error;       // set when no password could be had: a usage error

    bool obtained() const { return error.empty(); }
};

// The camera's current password: VISTREL_PASSWORD when it is set, even to the empty text;
// otherwise asked on the terminal.
PasswordOutcome currentPassword(const PasswordSources& sources, std::string_view macText);

// The new password and its confirmation: VISTREL_NEW_PASSWORD for both when it is set;
// otherwise asked twice on the terminal, each answer kept as typed for the settings check.
PasswordOutcome newPassword(const PasswordSources& sources);

} // namespace vistrel
