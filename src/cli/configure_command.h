#pragma once
// --configure MAC: the settings panel's road in the window, without the window. The password is
// checked as the login checks it, the panel is opened as after a login, the options go into
// its fields, the confirm operation checks them and builds the request in the camera's form,
// and the camera is followed until it answers with what was asked.

#include "cli/command_line_options.h"
#include "cli/password_prompt.h"

#include <QTextStream>

namespace vistrel {

// Returns the exit status: 0 when the camera came back as asked; 1 when a check refused (then
// nothing was sent); 2 when the port cannot be used; 3 when the camera does not answer or sends
// no settings; 4 for a wrong password (nothing sent); 5 when the camera did not come back with
// the requested settings; 64 when no password could be had.
int runConfigure(const CommandLine& line, const PasswordSources& passwords, QTextStream& out,
                 QTextStream& err);

} // namespace vistrel
