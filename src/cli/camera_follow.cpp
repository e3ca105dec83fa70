#include "cli/camera_follow.h"

#include "protocol/address_text.h"

#include <algorithm>

namespace vistrel {

namespace {

CameraWhereabouts whereaboutsOf(const CameraReading& reading, bool settingsArrived) {
    const CameraListRow& row = reading.selectedRow();
    const TDeviceItem& camera = reading.config.camera;
    return {row.caption(), removeBlanks(settingsArrived ? camera.ipText : row.columns[kColumnIp]),
            settingsArrived ? camera.cameraName : row.columns[kColumnName]};
}

QDeadlineTimer earlier(const QDeadlineTimer& a, const QDeadlineTimer& b) {
    return a.deadline() < b.deadline() ? a : b;
}

} // namespace

FollowResult followCamera(CameraSession& session, std::string_view macText,
                          const RequestedSettings& asked, std::string_view expectedPassword,
                          const QDeadlineTimer& deadline) {
    FollowResult result;
    while (!deadline.hasExpired()) {
        const QDeadlineTimer nextRound(CameraSession::kRepeatMilliseconds);
        CameraReading reading(session.sender());
        const ReadingOutcome outcome = session.read(reading, macText, deadline);
        if (outcome == ReadingOutcome::NotFound) {
            break; // the wait is over; what an earlier round saw stands
        }
        result.whereabouts = whereaboutsOf(reading, outcome == ReadingOutcome::Settings);
        if (outcome == ReadingOutcome::NoSettings) {
            result.outcome = FollowOutcome::AnsweredWithoutSettings;
            break;
        }
        result.differences = differencesFrom(asked, reading.config, expectedPassword);
        if (result.differences.empty()) {
            result.outcome = FollowOutcome::CameBack;
            break;
        }
        result.outcome = FollowOutcome::CameBackOtherwise;
        session.pause(earlier(nextRound, deadline));
    }
    return result;
}

} // namespace vistrel
