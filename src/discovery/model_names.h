#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vistrel {

// Cameras report a model number and a vendor code instead of a model name; the name shown
// comes from fixed tables. Texts are 8-bit and compared exactly (case-sensitive).

inline constexpr int kModelNumbers = 59; // table rows, model numbers 0..58
inline constexpr int kVendorCodes = 35;  // table columns, vendor codes 0..34

// "UnKnown": shown for numbers outside the tables; the reverse lookup never matches it.
extern const std::string kUnknownModelName;

// Name in the first table, or in the second when selectorText is "2"; kUnknownModelName when
// modelNumber is outside 1..58 or vendorCode outside 0..34.
const std::string& ModelNameOf(int modelNumber, int vendorCode, std::string_view selectorText);

// Name in the third table for model numbers 19, 21 and 23; kUnknownModelName for any other
// model number or a vendor code outside 0..34.
const std::string& ThirdModelNameOf(int modelNumber, int vendorCode);

// True when a discovery reply's name comes from the set-up model names rather than a table:
// setupFlagB set, vendorCode 0 and modelNumber 19..35.
bool UsesFixedModelList(int modelNumber, int vendorCode, std::uint8_t setupFlagB);

// Name shown for a discovery reply: the set-up model name when setupFlagB is set, vendorCode is
// 0 and modelNumber is 19..35; otherwise the third table for selector text "1", else the first
// or second table.
const std::string& DiscoveryModelName(int modelNumber, int vendorCode, std::uint8_t setupFlagB,
                                      std::string_view selectorText);

// Model code of a shown name (it selects the camera's settings layouts); 0 when not found.
// Searches the first table for selector text "0" or "1", the second for "2", each vendor code
// by vendor code; then rows for 21 and 23 of the third table (giving 22); then the set-up
// model names (giving 19..35).
std::uint8_t ModelCodeOf(std::string_view modelName, std::string_view selectorText);

// True for the five models that accept 63-character passwords outside model codes 19..26.
bool IsLongPasswordModel(std::string_view modelName);

// True for the model codes of wireless cameras.
bool IsWirelessModel(std::uint8_t modelCode);

} // namespace vistrel
