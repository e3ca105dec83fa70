#pragma once
// Strict readings of the numbers and addresses that requests and scenarios carry as text.

#include <optional>
#include <string_view>

namespace vistrel::camsim {

// Decimal digits only, no sign or blanks, within [minimum, maximum].
std::optional<int> parseDecimal(std::string_view text, int minimum, int maximum);

} // namespace vistrel::camsim
