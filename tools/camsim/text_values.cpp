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

std::optional<Ipv4Address> parseDottedQuad(std::string_view text) {
    Ipv4Address address{};
    for (std::size_t i = 0; i < address.size(); ++i) {
        const std::size_t dot = i + 1 < address.size() ? text.find('.') : text.size();
        if (dot == std::string_view::npos || dot > 3) {
            return std::nullopt;
        }
        const auto octet = parseDecimal(text.substr(0, dot), 0, 255);
        if (!octet) {
            return std::nullopt;
        }
        address[i] = static_cast<std::uint8_t>(*octet);
        text.remove_prefix(std::min(dot + 1, text.size()));
    }
    return address;
}

} // namespace vistrel::camsim
