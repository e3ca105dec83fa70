#include "discovery/model_name_tables.h"

#include "discovery/model_table_files.h"
#include "discovery/model_table_text.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace vistrel {
namespace {

template <std::size_t Rows>
std::array<ModelNameRow, Rows> loadGrid(std::string_view text, std::string_view fileName) {
    ModelTableText rows = parseModelTableText(text, fileName, Rows, kVendorCodes);
    std::array<ModelNameRow, Rows> grid;
    for (std::size_t row = 0; row < Rows; ++row) {
        std::ranges::move(rows[row], grid[row].begin());
    }
    return grid;
}

// A list of names, one a line; every entry must be a name, or it would match empty texts or
// placeholders in the reverse lookup.
template <std::size_t Count>
std::array<std::string, Count> loadNameList(std::string_view text, std::string_view fileName) {
    ModelTableText rows = parseModelTableText(text, fileName, Count, 1);
    std::array<std::string, Count> names;
    for (std::size_t i = 0; i < Count; ++i) {
        if (!isModelName(rows[i][0])) {
            failModelTable(fileName, "entry " + std::to_string(i + 1) + " is not a model name");
        }
        names[i] = std::move(rows[i][0]);
    }
    return names;
}

ModelNameTables loadModelNameTables() {
    return {
        .first = loadGrid<kModelNumbers>(firstNameTableFile(), "first_name_table.tsv"),
        .second = loadGrid<kModelNumbers>(secondNameTableFile(), "second_name_table.tsv"),
        .third = loadGrid<kThirdTableRows>(thirdNameTableFile(), "third_name_table.tsv"),
        .setupModels =
            loadNameList<kSetupModelCount>(setupModelNamesFile(), "setup_model_names.tsv"),
        .longPasswordModels = loadNameList<kLongPasswordModelCount>(longPasswordModelsFile(),
                                                                    "long_password_models.tsv"),
    };
}

} // namespace

bool isModelName(std::string_view text) {
    return !text.empty() && text != kUnknownPlaceholder && text != kUnknownBlankPlaceholder;
}

const ModelNameTables& modelNameTables() {
    static const ModelNameTables tables = loadModelNameTables();
    return tables;
}

} // namespace vistrel
