#include "config/decimal_text.h"

#include <algorithm>
#include <charconv>

namespace vistrel {

namespace {

constexpr std::uint32_t kDigitsCap = 1'000'000;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<std::uint32_t> digitsValue(std::string_view text) {
    if (text.empty() || !std::ranges::all_of(text, isDigit)) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (const char c : text) {
        value = std::min(kDigitsCap, value * 10 + static_cast<std::uint32_t>(c - '0'));
    }
    return value;
}

std::optional<std::int32_t> decimalInteger(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '+' || negative)) {
        text.remove_prefix(1);
    }
    if (text.empty() || !std::ranges::all_of(text, isDigit)) {
        return std::nullopt;
    }
    std::int64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (error != std::errc() || value < INT32_MIN || value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t leadingInteger(std::string_view text) {
    const auto firstNonBlank = text.find_first_not_of(' ');
    text.remove_prefix(firstNonBlank == std::string_view::npos ? text.size() : firstNonBlank);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '+' || negative)) {
        text.remove_prefix(1);
    }
    std::int64_t value = 0;
    for (std::size_t i = 0; i < text.size() && isDigit(text[i]); ++i) {
        value = std::min<std::int64_t>(INT32_MAX, value * 10 + (text[i] - '0'));
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

} // namespace vistrel
