#include "discovery/model_name_tables.h"
#include "discovery/model_names.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vistrel {
namespace {

using Table = std::array<ModelNameRow, kModelNumbers>;

const ModelNameTables& tables() {
    return modelNameTables();
}

// Wireless models end their names in the "W" of the model number or in "Wi-Fi".
bool readsAsWireless(std::string_view name) {
    return name.ends_with('W') || name.ends_with("Wi-Fi");
}

template <std::size_t Rows>
std::vector<std::string> namesInRows(const std::array<ModelNameRow, Rows>& table, int firstRow,
                                     int lastRow) {
    std::vector<std::string> names;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (const std::string& text : table[row]) {
            if (isModelName(text)) {
                names.push_back(text);
            }
        }
    }
    return names;
}

std::size_t distinctCount(const std::vector<std::string>& names) {
    return std::set<std::string>(names.begin(), names.end()).size();
}

int namesInColumn(const Table& table, int vendor) {
    int count = 0;
    for (const ModelNameRow& row : table) {
        count += isModelName(row[vendor]) ? 1 : 0;
    }
    return count;
}

bool rowIsEmpty(const ModelNameRow& row) {
    return std::ranges::all_of(row, [](const std::string& text) { return text.empty(); });
}

template <std::size_t Rows>
bool holds(const std::array<ModelNameRow, Rows>& table, std::string_view text) {
    return std::ranges::any_of(
        table, [&](const ModelNameRow& row) { return std::ranges::find(row, text) != row.end(); });
}

// Column-0 names fill exactly rows 1..lastRow, and column 24 is the busiest reseller column.
void expectColumnsFilled(const Table& table, int lastRow) {
    for (int row = 0; row < kModelNumbers; ++row) {
        EXPECT_EQ(isModelName(table[row][0]), row >= 1 && row <= lastRow) << "row " << row;
    }
    for (int vendor = 1; vendor < kVendorCodes; ++vendor) {
        if (vendor != 24) {
            EXPECT_LT(namesInColumn(table, vendor), namesInColumn(table, 24)) << vendor;
        }
    }
}

TEST(ModelNameDataTest, FirstTableHoldsItsNamesInRowsOneTo53) {
    const Table& first = tables().first;
    const std::vector<std::string> names = namesInRows(first, 1, 53);
    EXPECT_EQ(names.size(), 293u);
    EXPECT_EQ(distinctCount(names), 232u);
    EXPECT_TRUE(rowIsEmpty(first[0]));
    for (int row = 54; row < kModelNumbers; ++row) {
        EXPECT_TRUE(rowIsEmpty(first[row])) << "row " << row;
    }
    expectColumnsFilled(first, 53);
}

TEST(ModelNameDataTest, SecondTableHoldsItsNamesInRowsOneTo58) {
    const Table& second = tables().second;
    const std::vector<std::string> names = namesInRows(second, 1, 58);
    EXPECT_EQ(names.size(), 319u);
    EXPECT_EQ(distinctCount(names), 249u);
    EXPECT_TRUE(rowIsEmpty(second[0]));
    expectColumnsFilled(second, 58);
}

TEST(ModelNameDataTest, ThirdTableHoldsThirteenNamesInFiveColumns) {
    std::set<int> vendors;
    int count = 0;
    for (const ModelNameRow& row : tables().third) {
        for (int vendor = 0; vendor < kVendorCodes; ++vendor) {
            if (isModelName(row[vendor])) {
                vendors.insert(vendor);
                ++count;
            }
        }
    }
    EXPECT_EQ(count, 13);
    EXPECT_EQ(vendors, (std::set<int>{0, 1, 3, 24, 26}));
}

TEST(ModelNameDataTest, BothPlaceholdersOccurInEveryTable) {
    for (std::string_view placeholder : {kUnknownPlaceholder, kUnknownBlankPlaceholder}) {
        SCOPED_TRACE("'" + std::string(placeholder) + "'");
        EXPECT_TRUE(holds(tables().first, placeholder));
        EXPECT_TRUE(holds(tables().second, placeholder));
        EXPECT_TRUE(holds(tables().third, placeholder));
    }
}

TEST(ModelNameDataTest, SetupModelNamesDifferFromColumnZero) {
    for (int k = 0; k < kSetupModelCount; ++k) {
        const int model = kFirstSetupModel + k;
        const std::string& name = tables().setupModels[k];
        SCOPED_TRACE(name);
        EXPECT_TRUE(isModelName(name));
        EXPECT_NE(name, tables().first[model][0]);
        EXPECT_NE(name, tables().second[model][0]);
        if (model == 19 || model == 21 || model == 23) {
            EXPECT_NE(name, tables().third[(model - 19) / 2][0]);
        }
    }
}

TEST(ModelNameDataTest, WirelessNamesCarryTheMarkerAndWiredNamesDoNot) {
    for (const Table* table : {&tables().first, &tables().second}) {
        for (int model = 1; model < kModelNumbers; ++model) {
            for (const std::string& name : namesInRows(*table, model, model)) {
                EXPECT_EQ(readsAsWireless(name), IsWirelessModel(model)) << name;
            }
        }
    }
    const int thirdModels[] = {19, 21, 23};
    for (int row = 0; row < kThirdTableRows; ++row) {
        for (const std::string& name : namesInRows(tables().third, row, row)) {
            EXPECT_EQ(readsAsWireless(name), IsWirelessModel(thirdModels[row])) << name;
        }
    }
    for (int k = 0; k < kSetupModelCount; ++k) {
        const std::string& name = tables().setupModels[k];
        EXPECT_EQ(readsAsWireless(name), IsWirelessModel(kFirstSetupModel + k)) << name;
    }
}

TEST(ModelCodeTest, WirelessModelCodes) {
    const std::set<int> wireless = {2,  4,  6,  8,  10, 12, 14, 16, 18, 20, 23, 26, 29,
                                    32, 35, 37, 40, 43, 46, 47, 48, 50, 53, 56, 57, 58};
    for (int code = 0; code <= 255; ++code) {
        EXPECT_EQ(IsWirelessModel(static_cast<std::uint8_t>(code)), wireless.contains(code))
            << code;
    }
}

TEST(ModelCodeTest, LongPasswordModelsAreMakerNamesOutsideCodes19To26) {
    for (const std::string& name : tables().longPasswordModels) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(IsLongPasswordModel(name));
        EXPECT_TRUE(holds(tables().first, name) || holds(tables().second, name));
        for (std::string_view selector : {"0", "2"}) {
            const int code = ModelCodeOf(name, selector);
            EXPECT_NE(code, 0) << selector;
            EXPECT_TRUE(code < 19 || code > 26) << selector << ": " << code;
        }
    }
    for (std::string_view other : {"VN-2000W", "VN-3000", "vn-3000w", "VN-3000W ", ""}) {
        EXPECT_FALSE(IsLongPasswordModel(other)) << "'" << other << "'";
    }
}

// Where a name shown for a discovery reply comes from.
enum class Source { Unknown, First, Second, Third, Setup };

struct DiscoveryCase {
    int model;
    int vendor;
    std::uint8_t setupFlagB;
    std::string_view selector;
    Source source;
};

const std::string& expectedName(const DiscoveryCase& c) {
    switch (c.source) {
    case Source::First:
        return tables().first[c.model][c.vendor];
    case Source::Second:
        return tables().second[c.model][c.vendor];
    case Source::Third:
        return tables().third[(c.model - 19) / 2][c.vendor];
    case Source::Setup:
        return tables().setupModels[c.model - kFirstSetupModel];
    case Source::Unknown:
        break;
    }
    return kUnknownModelName;
}

TEST(DiscoveryModelNameTest, PicksTheTableFromSelectorAndSetupFlag) {
    const DiscoveryCase cases[] = {
        {0, 0, 0, "0", Source::Unknown},   {59, 0, 0, "0", Source::Unknown},
        {-1, 0, 0, "0", Source::Unknown},  {1, 35, 0, "0", Source::Unknown},
        {1, -1, 0, "0", Source::Unknown},  {0, 0, 0, "2", Source::Unknown},
        {59, 24, 0, "2", Source::Unknown}, {3, 2, 0, "0", Source::First},
        {3, 2, 0, "5", Source::First},     {3, 2, 0, "", Source::First},
        {54, 0, 0, "0", Source::First},    {3, 2, 0, "2", Source::Second},
        {58, 24, 0, "2", Source::Second},  {19, 0, 0, "1", Source::Third},
        {21, 24, 0, "1", Source::Third},   {23, 26, 0, "1", Source::Third},
        {20, 0, 0, "1", Source::Unknown},  {22, 0, 0, "1", Source::Unknown},
        {5, 3, 0, "1", Source::Unknown},   {19, 35, 0, "1", Source::Unknown},
        {19, 0, 1, "0", Source::Setup},    {35, 0, 255, "2", Source::Setup},
        {21, 0, 1, "1", Source::Setup},    {27, 0, 2, "1", Source::Setup},
        {18, 0, 1, "0", Source::First},    {36, 0, 1, "0", Source::First},
        {20, 1, 1, "0", Source::First},    {20, 0, 0, "2", Source::Second},
        {21, 3, 1, "1", Source::Third},
    };
    for (const DiscoveryCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "m " << c.model << ", v " << c.vendor << ", B " << int(c.setupFlagB)
                     << ", selector '" << c.selector << "'");
        const std::string& name = DiscoveryModelName(c.model, c.vendor, c.setupFlagB, c.selector);
        EXPECT_EQ(name, expectedName(c));
        EXPECT_EQ(&name, &expectedName(c)) << "not the table position itself";
        EXPECT_EQ(UsesFixedModelList(c.model, c.vendor, c.setupFlagB), c.source == Source::Setup);
    }
}

TEST(DiscoveryModelNameTest, TableLookupsOutsideDiscovery) {
    // ModelNameOf knows no third table: selector "1" reads the first one.
    EXPECT_EQ(&ModelNameOf(20, 0, "1"), &tables().first[20][0]);
    EXPECT_EQ(&ThirdModelNameOf(23, 1), &tables().third[2][1]);
    for (int model : {0, 18, 20, 22, 24, 59}) {
        EXPECT_EQ(&ThirdModelNameOf(model, 0), &kUnknownModelName) << model;
    }
    EXPECT_EQ(&ThirdModelNameOf(19, 35), &kUnknownModelName);
    EXPECT_EQ(kUnknownModelName, "UnKnown");
}

struct ReverseCase {
    std::string_view name;
    std::string_view selector;
    int code;
};

TEST(ModelCodeTest, ReverseLookupCases) {
    // The data behind the first case.
    ASSERT_EQ(tables().first[38][20], "YS-300P");
    ASSERT_EQ(tables().first[39][7], "YS-300P");
    const ReverseCase cases[] = {
        // In column 7 at row 39 and in column 20 at row 38: columns are searched first.
        {"YS-300P", "0", 39},
        // Renumbered in the second table.
        {"TW-120W", "0", 4},
        {"TW-120W", "1", 4},
        {"TW-120W", "2", 2},
        {"TW-120W", "3", 0},
        // Column 24 of the first table at row 21, and third-table row 1.
        {"CSN2000", "1", 21},
        {"CSN2000", "2", 21},
        {"CSN2000", "3", 22},
        // Only in the third table: rows 1 and 2 give 22, row 0 is not searched.
        {"VH-120", "0", 22},
        {"VH-120W", "2", 22},
        {"LV-H120", "", 22},
        {"VH-110", "3", 0},
        {"CSH110", "0", 0},
        {"Pelloran Nursery Cam", "1", 0},
        // Selectors other than 0, 1 and 2 skip both tables.
        {"VC-100", "0", 1},
        {"VC-100", "5", 0},
        {"VX-8030W", "0", 0},
        {"VX-8030W", "2", 58},
        // Texts are compared exactly.
        {"vc-100", "0", 0},
        {"VC-100 ", "0", 0},
        {"VC-10", "0", 0},
        // "UnKnown" never matches; "UnKnown " is searched like a name.
        {"UnKnown", "0", 0},
        {"UnKnown", "1", 0},
        {"UnKnown", "2", 0},
        {"UnKnown", "3", 0},
        {"UnKnown ", "0", 3},
        {"UnKnown ", "1", 3},
        {"UnKnown ", "2", 13},
        {"UnKnown ", "3", 22},
        // Empty text matches the first empty position: row 54 of the first table.
        {"", "0", 54},
        {"", "1", 54},
        {"", "2", 0},
        {"", "3", 0},
    };
    for (const ReverseCase& c : cases) {
        EXPECT_EQ(ModelCodeOf(c.name, c.selector), c.code)
            << "'" << c.name << "', selector '" << c.selector << "'";
    }
}

TEST(ModelCodeTest, SetupModelNamesGiveTheirModelCode) {
    for (int k = 0; k < kSetupModelCount; ++k) {
        for (std::string_view selector : {"0", "1", "2", "3"}) {
            EXPECT_EQ(ModelCodeOf(tables().setupModels[k], selector), kFirstSetupModel + k)
                << tables().setupModels[k] << ", selector " << selector;
        }
    }
}

// Row of the first position holding name, in search order: vendor code by vendor code, rows
// 1..58 within one; 0 when there is none.
int firstRowInSearchOrder(const Table& table, const std::string& name) {
    for (int vendor = 0; vendor < kVendorCodes; ++vendor) {
        for (int row = 1; row < kModelNumbers; ++row) {
            if (table[row][vendor] == name) {
                return row;
            }
        }
    }
    return 0;
}

TEST(ModelCodeTest, EveryShownNameMapsToItsFirstRowInSearchOrder) {
    const std::pair<const Table*, std::string_view> searches[] = {
        {&tables().first, "0"}, {&tables().first, "1"}, {&tables().second, "2"}};
    for (const auto& [table, selector] : searches) {
        for (int model = 1; model < kModelNumbers; ++model) {
            for (int vendor = 0; vendor < kVendorCodes; ++vendor) {
                const std::string& name = ModelNameOf(model, vendor, selector);
                if (!isModelName(name)) {
                    continue;
                }
                const int code = ModelCodeOf(name, selector);
                EXPECT_EQ(code, firstRowInSearchOrder(*table, name))
                    << name << ", selector " << selector;
            }
        }
    }
}

} // namespace
} // namespace vistrel
