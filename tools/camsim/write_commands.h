#pragma once
// The finder's writes, each decoded and checked before the camera applies it: the settings
// writes (0x0022 XML, 0x0003 fixed layout), the wireless write (0x0023), the set-up mark
// (0x0027) and the WPS start (0x0029). A refused write changes nothing.

#include "base/byte_layout.h"
#include "camsim/camera_state.h"
#include "camsim/command_result.h"

namespace vistrel::camsim {

CommandResult applyXmlSettingsWrite(CameraState& camera, Bytes datagram);
CommandResult applyFixedSettingsWrite(CameraState& camera, Bytes datagram);
CommandResult applyWirelessWrite(CameraState& camera, Bytes datagram);
CommandResult applySetupMark(CameraState& camera, Bytes datagram);
CommandResult applyWpsStart(CameraState& camera, Bytes datagram);

} // namespace vistrel::camsim
