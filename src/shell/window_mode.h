#pragma once
// The modes with a window: the finder's window, and --screenshot, which saves it and exits.

#include "cli/command_line_options.h"

class QApplication;

namespace vistrel {

// Opens the main window, unless another finder of this user already runs (then that one is
// asked to come forward), and runs the event loop. Returns the exit status.
int runWindowMode(QApplication& app, const CommandLine& line);

} // namespace vistrel
