#pragma once
// Following a camera by its MAC after its settings were sent: it may take a while to apply
// them, and it answers from its new address, so searches repeat until it reports what was
// asked or the wait is over.

#include "cli/camera_session.h"
#include "cli/camera_settings_report.h"
#include "cli/requested_settings.h"

#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

enum class FollowOutcome {
    CameBack,                // it reports every requested setting
    CameBackOtherwise,       // it answered, but with other settings until the end
    AnsweredWithoutSettings, // it answered the search, but its settings reply never came
    Lost,                    // it never answered
};

struct FollowResult {
    FollowOutcome outcome = FollowOutcome::Lost;
    CameraWhereabouts whereabouts;        // where it answered last, unless lost
    std::vector<std::string> differences; // CameBackOtherwise: what it reported instead
};

// Reads the camera afresh, at most once a second, until it reports the requested settings
// and the expected password, or the deadline passes.
FollowResult followCamera(CameraSession& session, std::string_view macText,
                          const RequestedSettings& asked, std::string_view expectedPassword,
                          const QDeadlineTimer& deadline);

} // namespace vistrel
