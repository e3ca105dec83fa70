// Feeds arbitrary datagrams to the settings-reply decoding and to its application as the reply
// of the selected camera: the XML document and both fixed layouts. Byte 8, which the finder
// never reads, stands for the selected camera's model code, so both fixed layouts are reached.

#include "config/camera_configuration.h"
#include "config/settings_reply_application.h"
#include "protocol/admin_datagram.h"
#include "protocol/settings_reply.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vistrel;
    const Bytes datagram(data, size);
    decodeXmlSettingsReply(datagram);
    decodeFixedSettingsReply(datagram, FixedReplyForm::Short);
    decodeFixedSettingsReply(datagram, FixedReplyForm::Long);

    CameraConfiguration config;
    config.camera.macText = formatMacText(macOf(datagram));
    config.camera.modelCode = size > 8 ? data[8] : 0;
    applySettingsReply(config, datagram);
    return 0;
}
