#pragma once
// --show MAC: the settings of one camera, as selecting it in the window reads them.

#include "cli/command_line_options.h"

#include <QTextStream>

namespace vistrel {

// Searches, selects the camera, waits for its settings reply and prints its settings. Returns
// the exit status: 0, 2 when the port cannot be used, 3 when the camera does not answer or
// sends no settings within the wait.
int runShow(const CommandLine& line, QTextStream& out, QTextStream& err);

} // namespace vistrel
