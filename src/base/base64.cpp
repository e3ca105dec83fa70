#include "base/base64.h"

#include <algorithm>
#include <vector>

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

int Base64_Encode(const std::uint8_t* source, int length, char* destination, int capacity) {
    if (source == nullptr || destination == nullptr || length <= 0 || capacity <= 0) {
        return -1;
    }
    // Computed in size_t: for lengths near INT_MAX the count exceeds any int capacity.
    const std::size_t count = encodedSize(static_cast<std::size_t>(length));
    if (static_cast<std::size_t>(capacity) < count) {
        return -2;
    }
    // Output runs ahead of input, so an overlapping source is copied before encoding.
    const std::vector<std::uint8_t> input(source, source + length);
    encodeInto(input, destination);
    if (static_cast<std::size_t>(capacity) > count) {
        destination[count] = '\0';
    }
    return static_cast<int>(count);
}

std::string base64Encode(std::span<const std::uint8_t> bytes) {
    std::string text(encodedSize(bytes.size()), '\0');
    encodeInto(bytes, text.data());
    return text;
}

std::string base64Encode(std::string_view text) {
    return base64Encode(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace vistrel
