#include "discovery/model_names.h"

#include "discovery/model_name_tables.h"

#include <algorithm>
#include <initializer_list>

namespace vistrel {

const std::string kUnknownModelName{kUnknownPlaceholder};

namespace {

constexpr int kLastSetupModel = kFirstSetupModel + kSetupModelCount - 1;
constexpr std::uint8_t kThirdTableModelCode = 22;

constexpr std::uint64_t codeMask(std::initializer_list<int> codes) {
    std::uint64_t mask = 0;
    for (int code : codes) {
        mask |= std::uint64_t{1} << code;
    }
    return mask;
}

constexpr std::uint64_t kWirelessModels =
    codeMask({2,  4,  6,  8,  10, 12, 14, 16, 18, 20, 23, 26, 29,
              32, 35, 37, 40, 43, 46, 47, 48, 50, 53, 56, 57, 58});

bool isTableModelNumber(int modelNumber) {
    return modelNumber >= 1 && modelNumber < kModelNumbers;
}

bool isVendorCode(int vendorCode) {
    return vendorCode >= 0 && vendorCode < kVendorCodes;
}

// Third-table row of a model number, or -1.
int thirdTableRow(int modelNumber) {
    switch (modelNumber) {
    case 19:
        return 0;
    case 21:
        return 1;
    case 23:
        return 2;
    default:
        return -1;
    }
}

// The placeholder "UnKnown" is skipped before comparing, so it never matches; every other
// text, including empty text and "UnKnown ", is compared like a name.
bool holdsName(const std::string& text, std::string_view modelName) {
    return text != kUnknownPlaceholder && text == modelName;
}

// Row of the first match, searching vendor code by vendor code and, within one, the rows from
// firstRow on; -1 when no position matches.
template <std::size_t Rows>
int findRowByVendor(const std::array<ModelNameRow, Rows>& table, std::size_t firstRow,
                    std::string_view modelName) {
    for (std::size_t vendor = 0; vendor < kVendorCodes; ++vendor) {
        for (std::size_t row = firstRow; row < Rows; ++row) {
            if (holdsName(table[row][vendor], modelName)) {
                return static_cast<int>(row);
            }
        }
    }
    return -1;
}

// The table the reverse lookup searches first for a selector text, or nullptr.
const std::array<ModelNameRow, kModelNumbers>* searchedTable(const ModelNameTables& tables,
                                                             std::string_view selectorText) {
    if (selectorText == "0" || selectorText == "1") {
        return &tables.first;
    }
    if (selectorText == "2") {
        return &tables.second;
    }
    return nullptr;
}

} // namespace

const std::string& ModelNameOf(int modelNumber, int vendorCode, std::string_view selectorText) {
    if (!isTableModelNumber(modelNumber) || !isVendorCode(vendorCode)) {
        return kUnknownModelName;
    }
    const ModelNameTables& tables = modelNameTables();
    const auto& table = selectorText == "2" ? tables.second : tables.first;
    return table[modelNumber][vendorCode];
}

const std::string& ThirdModelNameOf(int modelNumber, int vendorCode) {
    const int row = thirdTableRow(modelNumber);
    if (row < 0 || !isVendorCode(vendorCode)) {
        return kUnknownModelName;
    }
    return modelNameTables().third[row][vendorCode];
}

bool UsesFixedModelList(int modelNumber, int vendorCode, std::uint8_t setupFlagB) {
    return setupFlagB != 0 && vendorCode == 0 && modelNumber >= kFirstSetupModel &&
           modelNumber <= kLastSetupModel;
}

const std::string& DiscoveryModelName(int modelNumber, int vendorCode, std::uint8_t setupFlagB,
                                      std::string_view selectorText) {
    if (UsesFixedModelList(modelNumber, vendorCode, setupFlagB)) {
        return modelNameTables().setupModels[modelNumber - kFirstSetupModel];
    }
    if (selectorText == "1") {
        return ThirdModelNameOf(modelNumber, vendorCode);
    }
    return ModelNameOf(modelNumber, vendorCode, selectorText);
}

std::uint8_t ModelCodeOf(std::string_view modelName, std::string_view selectorText) {
    const ModelNameTables& tables = modelNameTables();
    if (const auto* table = searchedTable(tables, selectorText)) {
        if (const int row = findRowByVendor(*table, 1, modelName); row >= 0) {
            return static_cast<std::uint8_t>(row);
        }
    }
    if (findRowByVendor(tables.third, 1, modelName) >= 0) {
        return kThirdTableModelCode;
    }
    const auto setup = std::ranges::find(tables.setupModels, modelName);
    if (setup != tables.setupModels.end()) {
        return static_cast<std::uint8_t>(kFirstSetupModel + (setup - tables.setupModels.begin()));
    }
    return 0;
}

bool IsLongPasswordModel(std::string_view modelName) {
    return std::ranges::find(modelNameTables().longPasswordModels, modelName) !=
           modelNameTables().longPasswordModels.end();
}

bool IsWirelessModel(std::uint8_t modelCode) {
    return modelCode < 64 && ((kWirelessModels >> modelCode) & 1) != 0;
}

} // namespace vistrel
