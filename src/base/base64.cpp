#include "base/base64.h"

#include <algorithm>

namespace vistrel {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::size_t encodedSize(std::size_t length) {
    return 4 * ((length + 2) / 3);
}

// Encodes up to three bytes as four characters, padding with '=' for a short final group.
void encodeGroup(std::span<const std::uint8_t> group, char* out) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        bits = bits << 8 | (i < group.size() ? group[i] : 0u);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        out[i] = i <= group.size() ? kAlphabet[(bits >> (18 - 6 * i)) & 0x3f] : '=';
    }
}

void encodeInto(std::span<const std::uint8_t> bytes, char* out) {
    for (std::size_t at = 0; at < bytes.size(); at += 3, out += 4) {
        encodeGroup(bytes.subspan(at, std::min<std::size_t>(3, bytes.size() - at)), out);
    }
}

} // namespace

std::string base64Encode(std::span<const std::uint8_t> bytes) {
    std::string text(encodedSize(bytes.size()), '\0');
    encodeInto(bytes, text.data());
    return text;
}

std::string base64Encode(std::string_view text) {
    return base64Encode(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace vistrel
