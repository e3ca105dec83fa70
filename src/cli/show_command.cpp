#include "cli/show_command.h"

#include "cli/camera_session.h"
#include "cli/camera_settings_report.h"
#include "cli/exit_codes.h"
#include "cli/named_camera.h"

namespace vistrel {

int runShow(const CommandLine& line, QTextStream& out, QTextStream& err) {
    CameraSession session(line.interfaceNames);
    CameraReading reading(session.sender());
    const QDeadlineTimer deadline(line.waitMilliseconds);
    if (const int status = readNamedCamera(session, reading, line, deadline, err);
        status != kExitDone) {
        return status;
    }
    const CameraSettingsReport report = settingsReportOf(reading.config, reading.selectedRow());
    if (line.json) {
        out << formatSettingsJson(report);
    } else {
        out << formatSettingsText(report);
    }
    out.flush();
    return kExitDone;
}

} // namespace vistrel
