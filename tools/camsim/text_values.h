#pragma once
// Strict readings of the numbers and addresses that requests and scenarios carry as text.

#include "protocol/address_text.h"

#include <optional>
#include <string_view>

namespace vistrel::camsim {

// Decimal digits only, no sign or blanks, within [minimum, maximum].
std::optional<int> parseDecimal(std::string_view text, int minimum, int maximum);

// Four decimal octets 0..255 separated by dots: "192.168.2.3".
std::optional<Ipv4Address> parseDottedQuad(std::string_view text);

} // namespace vistrel::camsim
