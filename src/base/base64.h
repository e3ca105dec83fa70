#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vistrel {

// Base64 (RFC 4648 alphabet, '=' padding, no line breaks): 4 * ceil(size / 3) characters.
std::string base64Encode(std::span<const std::uint8_t> bytes);
std::string base64Encode(std::string_view text);

} // namespace vistrel
