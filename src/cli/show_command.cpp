#include "cli/show_command.h"

#include "cli/camera_session.h"
#include "cli/camera_settings_report.h"
#include "cli/command_messages.h"
#include "cli/exit_codes.h"

namespace vistrel {

int runShow(const CommandLine& line, QTextStream& out, QTextStream& err) {
    CameraSession session(line.interfaceNames);
    if (!session.open()) {
        return reportPortUnavailable(session, err);
    }
    CameraReading reading(session.sender());
    const ReadingOutcome outcome =
        session.read(reading, line.mac, QDeadlineTimer(line.waitMilliseconds));
    if (outcome != ReadingOutcome::Settings) {
        return reportReadFailure(outcome, line, err);
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
