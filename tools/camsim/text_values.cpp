#include "camsim/text_values.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace vistrel::camsim {

std::optional<int> parseDecimal(std::string_view text, int minimum, int maximum) {
    const bool digitsOnly =
        !text.empty() && text.size() <= 9 && std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        });
    if (!digitsOnly) {
        return std::nullopt;
    }
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    if (value < minimum || value > maximum) {
        return std::nullopt;
    }
    return value;
}

} // namespace vistrel::camsim
