#pragma once
// The first steps of --show, --configure and --snapshot by MAC: open the session, search for
// the camera the command line names and read its settings.

#include "cli/camera_session.h"
#include "cli/command_line_options.h"

#include <QDeadlineTimer>
#include <QTextStream>

namespace vistrel {

// kExitDone with the camera's settings in `reading`, which reads over `session`; otherwise
// the failure is reported on `err` and its exit status returned.
int readNamedCamera(CameraSession& session, CameraReading& reading, const CommandLine& line,
                    const QDeadlineTimer& deadline, QTextStream& err);

} // namespace vistrel
