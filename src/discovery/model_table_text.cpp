#include "discovery/model_table_text.h"

#include <cstdio>
#include <cstdlib>

namespace vistrel {
namespace {

struct Line {
    std::size_t number; // 1-based, counting comment lines
    std::string_view text;
};

std::vector<Line> dataLines(std::string_view text) {
    std::vector<Line> lines;
    for (std::size_t number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (!line.starts_with('#')) {
            lines.push_back({number, line});
        }
    }
    return lines;
}

std::vector<std::string> splitFields(std::string_view line) {
    std::vector<std::string> fields;
    for (;;) {
        const std::size_t tab = line.find('\t');
        fields.emplace_back(line.substr(0, tab));
        if (tab == std::string_view::npos) {
            return fields;
        }
        line.remove_prefix(tab + 1);
    }
}

} // namespace

void failModelTable(std::string_view fileName, std::string_view problem) {
    std::fprintf(stderr, "model tables: %.*s: %.*s\n", static_cast<int>(fileName.size()),
                 fileName.data(), static_cast<int>(problem.size()), problem.data());
    std::abort();
}

ModelTableText parseModelTableText(std::string_view text, std::string_view fileName,
                                   std::size_t rows, std::size_t columns) {
    const std::vector<Line> lines = dataLines(text);
    if (lines.size() != rows) {
        failModelTable(fileName,
                       std::to_string(lines.size()) + " rows, expected " + std::to_string(rows));
    }
    ModelTableText table;
    table.reserve(rows);
    for (const Line& line : lines) {
        table.push_back(splitFields(line.text));
        if (table.back().size() != columns) {
            failModelTable(fileName, "line " + std::to_string(line.number) + " has " +
                                         std::to_string(table.back().size()) +
                                         " fields, expected " + std::to_string(columns));
        }
    }
    return table;
}

} // namespace vistrel
