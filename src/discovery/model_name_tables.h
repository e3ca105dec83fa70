#pragma once

#include "discovery/model_names.h"

#include <array>
#include <string>
#include <string_view>

namespace vistrel {

inline constexpr int kThirdTableRows = 3; // model numbers 19, 21 and 23
inline constexpr int kFirstSetupModel = 19;
inline constexpr int kSetupModelCount = 17; // model numbers 19..35
inline constexpr int kLongPasswordModelCount = 5;

// Marks positions without a name; the variant with the trailing blank occurs in the data too.
inline constexpr std::string_view kUnknownPlaceholder = "UnKnown";
inline constexpr std::string_view kUnknownBlankPlaceholder = "UnKnown ";

// True for a text that names a model: not empty and not a placeholder.
bool isModelName(std::string_view text);

using ModelNameRow = std::array<std::string, kVendorCodes>; // indexed by vendor code

// The name tables, read from the data files in data/models/ compiled into the program.
struct ModelNameTables {
    std::array<ModelNameRow, kModelNumbers> first;  // indexed by model number
    std::array<ModelNameRow, kModelNumbers> second; // indexed by model number
    std::array<ModelNameRow, kThirdTableRows> third;
    std::array<std::string, kSetupModelCount> setupModels; // model numbers 19..35
    std::array<std::string, kLongPasswordModelCount> longPasswordModels;
};

// Built on first use; aborts with a message on stderr when a data file is malformed.
const ModelNameTables& modelNameTables();

} // namespace vistrel
