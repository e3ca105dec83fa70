#include "config/settings_reply_application.h"

#include "protocol/reply_layouts.h"

namespace vistrel {

void applySettingsReply(CameraConfiguration& config, Bytes datagram) {
    if (isXmlSettingsReply(datagram)) {
        applyXmlSettingsReply(config, datagram);
        return;
    }
    applyFixedSettingsReply(
        config, decodeFixedSettingsReply(datagram, fixedReplyFormOf(config.camera.modelCode)));
}

} // namespace vistrel
