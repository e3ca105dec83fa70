#pragma once
// The camera's answers to the finder's queries: discovery, settings, wireless record, site
// survey and the three status queries. Each takes a 10-byte request.

#include "camsim/camera_state.h"
#include "camsim/command_result.h"

namespace vistrel::camsim {

CommandResult answerDiscovery(const CameraState& camera);
CommandResult answerSettingsQuery(const CameraState& camera);
CommandResult answerWirelessRecordQuery(const CameraState& camera);
CommandResult answerSiteSurvey(const CameraState& camera);
CommandResult answerDhcpStatus(CameraState& camera);
CommandResult answerLinkTest(CameraState& camera);
CommandResult answerWpsStatus(CameraState& camera);

} // namespace vistrel::camsim
