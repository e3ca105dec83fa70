#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

// Rows of tab-separated fields read from a model-table data file.
using ModelTableText = std::vector<std::vector<std::string>>;

// Splits text into lines (LF or CRLF) and lines into tab-separated fields, keeping blanks, so
// "UnKnown " keeps its trailing blank. Lines starting with '#' are comments. The files are
// compiled into the program, so one without exactly `rows` lines of `columns` fields is a build
// mistake: the function reports it on stderr, naming fileName, and aborts.
ModelTableText parseModelTableText(std::string_view text, std::string_view fileName,
                                   std::size_t rows, std::size_t columns);

// Reports a malformed data file on stderr and aborts.
[[noreturn]] void failModelTable(std::string_view fileName, std::string_view problem);

} // namespace vistrel
