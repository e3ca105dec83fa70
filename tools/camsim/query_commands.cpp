#include "camsim/query_commands.h"

#include "camsim/reply_encoder.h"
#include "camsim/settings_reply.h"
#include "camsim/wireless_record.h"

#include <utility>

namespace vistrel::camsim {

namespace {

CommandResult answered(std::vector<std::uint8_t> reply) {
    CommandResult result{"answered", {}, {}, false};
    result.replies.push_back(std::move(reply));
    return result;
}

CommandResult statusAnswer(const CameraState& camera, ReplyCode code, std::uint8_t status) {
    CommandResult result = answered(encodeStatusReply(camera.mac(), code, status));
    result.fields.add("status", status);
    return result;
}

} // namespace

CommandResult answerDiscovery(const CameraState& camera) {
    return answered(encodeDiscoveryReply(camera));
}

CommandResult answerSettingsQuery(const CameraState& camera) {
    auto reply = encodeSettingsReply(camera);
    if (reply.empty()) {
        return refusedCommand("the settings document does not compress");
    }
    return answered(std::move(reply));
}

CommandResult answerWirelessRecordQuery(const CameraState& camera) {
    return answered(encodeWirelessRecordReply(camera));
}

CommandResult answerSiteSurvey(const CameraState& camera) {
    CommandResult result =
        answered(encodeSiteSurveyReply(camera.mac(), camera.description().networks));
    result.fields.add("networks", camera.description().networks.size());
    return result;
}

CommandResult answerDhcpStatus(CameraState& camera) {
    return statusAnswer(camera, ReplyCode::DhcpStatus, camera.nextDhcpStatus());
}

CommandResult answerLinkTest(CameraState& camera) {
    return statusAnswer(camera, ReplyCode::LinkStatus, camera.nextLinkStatus());
}

CommandResult answerWpsStatus(CameraState& camera) {
    return statusAnswer(camera, ReplyCode::WpsStatus, camera.nextWpsStatus());
}

} // namespace vistrel::camsim
