#pragma once
// Check_Wireless_Settings: whether the wireless key has the length its security mode needs,
// and the hand-over of the wireless tab's choices into the wireless record.

#include "config/camera_configuration.h"
#include "config/warning.h"

namespace vistrel {

// Passes without writing anything for a camera that is not in XML mode or while wireless is
// off. Otherwise the key must have its length (WEP: 10, 5, 26 or 13 by size and format;
// WPA: 8 to 63 as passphrase, 64 as hexadecimal digits; None: any), and the tab's choices go
// into the wireless record. Only the length is examined. The enable text is not written here:
// switching wireless on or off sets it.
CheckResult Check_Wireless_Settings(CameraConfiguration& config);

} // namespace vistrel
