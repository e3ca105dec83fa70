#include "protocol/address_text.h"

#include "protocol/hex_digit.h"

#include <algorithm>
#include <cstdio>

namespace vistrel {

std::string formatMacText(const MacAddress& mac) {
    char text[18];
    std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x", mac[0], mac[1], mac[2],
                  mac[3], mac[4], mac[5]);
    return text;
}

std::optional<MacAddress> parseMacText(std::string_view text) {
    if (text.size() < 17) {
        return std::nullopt;
    }
    MacAddress mac{};
    for (std::size_t i = 0; i < mac.size(); ++i) {
        const int high = hexDigitValue(text[3 * i]);
        const int low = hexDigitValue(text[3 * i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        mac[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return mac;
}

std::string formatIpText(const Ipv4Address& ip) {
    char text[16];
    std::snprintf(text, sizeof text, "%3d.%3d.%3d.%3d", ip[0], ip[1], ip[2], ip[3]);
    return text;
}

std::string formatDottedDecimal(const Ipv4Address& ip) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", ip[0], ip[1], ip[2], ip[3]);
    return text;
}

std::optional<Ipv4Address> parseDottedDecimal(std::string_view text) {
    Ipv4Address address{};
    for (std::size_t i = 0; i < address.size(); ++i) {
        const bool last = i + 1 == address.size();
        const std::size_t end = last ? text.size() : text.find('.');
        const std::string_view octet = text.substr(0, end);
        if (end == std::string_view::npos || octet.empty() || octet.size() > 3 ||
            !std::ranges::all_of(octet, [](char c) { return c >= '0' && c <= '9'; })) {
            return std::nullopt;
        }
        int value = 0;
        for (const char digit : octet) {
            value = value * 10 + (digit - '0');
        }
        if (value > 255) {
            return std::nullopt;
        }
        address[i] = static_cast<std::uint8_t>(value);
        text.remove_prefix(last ? text.size() : end + 1);
    }
    return address;
}

std::string removeBlanks(std::string_view text) {
    std::string result(text);
    std::erase(result, ' ');
    return result;
}

} // namespace vistrel
