#pragma once
// The modes that run in a terminal without a display: --list, --show, --configure,
// --snapshot, --help and --version.

#include "cli/command_line_options.h"

#include <string>

namespace vistrel {

// Runs the mode on the running QCoreApplication's thread and returns the exit status. Output
// goes to standard output, errors to standard error.
int runTerminalMode(const CommandLine& line);

// A command line that could not be read: says what is wrong on standard error and gives the
// usage exit status.
int reportUsageError(const std::string& error);

} // namespace vistrel
