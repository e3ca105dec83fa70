#pragma once
// Comparisons of 8-bit text that ignore the letter case of ASCII letters only, as the camera's
// hexadecimal digests and HTTP header names need; other bytes compare as they are.

#include <algorithm>
#include <string_view>

namespace vistrel {

constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

constexpr bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           equalIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

} // namespace vistrel
