#pragma once
// A warning for the user: the key of its text in Language.ini, or, for the few messages that
// have none, the fixed text itself. The windows show it in the message box with the caption
// "Warning"; the command line prints the English text.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace vistrel {

struct Warning {
    enum class Kind { LanguageKey, FixedText };

    Kind kind = Kind::LanguageKey;
    std::string text; // the key, or the text to show as it stands

    static Warning key(std::string_view key) { return {Kind::LanguageKey, std::string(key)}; }
    static Warning fixedText(std::string_view text) { return {Kind::FixedText, std::string(text)}; }

    bool operator==(const Warning&) const = default;
};

// The outcome of a settings check: passed, or refused with the one warning to show.
struct CheckResult {
    std::optional<Warning> warning;

    bool passed() const { return !warning; }
    static CheckResult pass() { return {}; }
    static CheckResult refuse(Warning warning) { return {std::move(warning)}; }
};

} // namespace vistrel
