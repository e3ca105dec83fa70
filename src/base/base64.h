#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vistrel {

// Base64 (RFC 4648 alphabet, '=' padding, no line breaks).
//
// Writes 4 * ceil(length / 3) characters to `destination` and returns that count. A
// terminating zero byte follows when capacity > count; with capacity == count the text fills
// the buffer exactly and is not terminated. Returns -1 when a pointer is null, length <= 0 or
// capacity <= 0, and -2 when capacity < count (nothing is written then). `source` may overlap
// `destination`, including encoding in place.
int Base64_Encode(const std::uint8_t* source, int length, char* destination, int capacity);

std::string base64Encode(std::span<const std::uint8_t> bytes);
std::string base64Encode(std::string_view text);

} // namespace vistrel
