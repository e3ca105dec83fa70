#pragma once
// Reading numbers from the texts of fields and of camera replies, in the three ways the
// configuration needs.

#include <cstdint>
#include <optional>
#include <string_view>

namespace vistrel {

// A field's text that holds digits only, such as an octet or the web port; nullopt for empty
// text or any other character. Values beyond a million read as a million: they are out of
// every range the checks allow.
std::optional<std::uint32_t> digitsValue(std::string_view text);

// A decimal integer as a camera writes one: an optional sign, then digits, in 32 bits.
std::optional<std::int32_t> decimalInteger(std::string_view text);

// The lenient reading of an address part: leading blanks skipped, an optional sign, the digits
// up to the first other character; 0 when there are none.
std::int32_t leadingInteger(std::string_view text);

} // namespace vistrel
