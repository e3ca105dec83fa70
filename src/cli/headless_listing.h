#pragma once
// The camera list in a terminal: one search, the replies of a few seconds, then the list.

#include "cli/exit_codes.h"

#include <QTextStream>
#include <string>
#include <vector>

namespace vistrel {

struct ListingOptions {
    bool json = false;
    int waitMilliseconds = 3000;
    std::vector<std::string> interfaceNames; // --interface; empty: every suitable interface
};

// Runs one search on the caller's event loop and prints the cameras in list order. Returns
// the process exit status: 0, also when no camera answered, or kExitPortUnavailable.
int runHeadlessListing(const ListingOptions& options, QTextStream& out, QTextStream& err);

} // namespace vistrel
