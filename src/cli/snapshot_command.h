#pragma once
// --snapshot MAC|IP: pictures of a camera's live stream saved as JPEG files, the stream opened
// as the preview opens it.

#include "cli/command_line_options.h"
#include "cli/password_prompt.h"

#include <QTextStream>

namespace vistrel {

// With a MAC, searches for the camera first to learn its address and web port. Returns the
// exit status: 0 when every picture was saved; 1 when a file cannot be written; 2 when the
// port cannot be used for the search; 3 when the camera is not found or cannot be connected
// to; 4 when it refuses the password; 6 when the pictures did not arrive within the wait;
// 64 when no password could be had.
int runSnapshot(const CommandLine& line, const PasswordSources& passwords, QTextStream& out,
                QTextStream& err);

} // namespace vistrel
