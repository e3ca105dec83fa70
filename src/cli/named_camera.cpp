#include "cli/named_camera.h"

#include "cli/command_messages.h"
#include "cli/exit_codes.h"

namespace vistrel {

int readNamedCamera(CameraSession& session, CameraReading& reading, const CommandLine& line,
                    const QDeadlineTimer& deadline, QTextStream& err) {
    if (!session.open()) {
        return reportPortUnavailable(session.errorString(), err);
    }
    const ReadingOutcome outcome = session.read(reading, line.mac, deadline);
    return outcome == ReadingOutcome::Settings ? kExitDone : reportReadFailure(outcome, line, err);
}

} // namespace vistrel
