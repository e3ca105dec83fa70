// The one table of exit statuses as --help prints it and as the README documents it.

#include "cli/command_line_options.h"
#include "cli/exit_codes.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace vistrel {
namespace {

struct Row {
    int code = 0;
    std::string meaning;
    bool operator==(const Row&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
    return out << row.code << " \"" << row.meaning << '"';
}

std::vector<Row> codeTable() {
    std::vector<Row> rows;
    for (const ExitCodeMeaning& row : kExitCodeMeanings) {
        rows.push_back({row.code, std::string(row.meaning)});
    }
    return rows;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? ""
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The rows of the Markdown table under the header "| Status | Meaning |", code spans unquoted.
std::vector<Row> readmeTable() {
    std::ifstream file(VISTREL_SOURCE_DIR "/README.md");
    std::vector<Row> rows;
    std::string line;
    while (std::getline(file, line) && line != "| Status | Meaning |") {
    }
    std::getline(file, line); // |---|---|
    while (std::getline(file, line) && line.starts_with('|')) {
        const std::size_t middle = line.find('|', 1);
        std::string meaning = trimmed(line.substr(middle + 1, line.rfind('|') - middle - 1));
        std::erase(meaning, '`');
        rows.push_back({std::stoi(line.substr(1, middle - 1)), meaning});
    }
    return rows;
}

// The "Exit status:" section of --help with each row's wrapped lines joined again.
std::vector<Row> helpTable(const std::string& help) {
    std::istringstream text(help.substr(help.find("\nExit status:\n") + 14));
    std::vector<Row> rows;
    std::string line;
    while (std::getline(text, line) && !line.empty()) {
        EXPECT_LE(line.size(), 92u) << line;
        if (line[2] != ' ') {
            const std::size_t end = line.find(' ', 2);
            rows.push_back({std::stoi(line.substr(2, end - 2)), trimmed(line.substr(end))});
        } else {
            rows.back().meaning += ' ' + trimmed(line);
        }
    }
    return rows;
}

TEST(ExitCodes, TheReadmeDocumentsTheCodesTable) {
    EXPECT_EQ(readmeTable(), codeTable());
}

TEST(ExitCodes, HelpPrintsTheCodesTableWithinItsWidth) {
    EXPECT_EQ(helpTable(helpText()), codeTable());
}

} // namespace
} // namespace vistrel
