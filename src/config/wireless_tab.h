#pragma once
// The wireless tab's operations: switching wireless on and off, which also sets the wireless
// record's enable text, and the security mode that decides which key controls apply.

#include "config/settings_panel.h"
#include "protocol/camera_records.h"

namespace vistrel {

// ComboBox_SS items.
enum SecurityIndex : int {
    kSecurityNone = 0,
    kSecurityWep = 1,
    kSecurityWpa = 2,
    kSecurityWpa2 = 3
};

// Wireless on: every wireless control enabled, the key controls disabled again while the
// security mode is None.
void RadioButton_EnableClick(SettingsPanel& panel, WlanInfo& wlan);
// Wireless off: every wireless control disabled but what switches wireless back on.
void RadioButton_DisableClick(SettingsPanel& panel, WlanInfo& wlan);
// Checks RadioButton_Enable or RadioButton_Disable; when it was not checked yet its click runs.
void checkWirelessRadio(SettingsPanel& panel, WlanInfo& wlan, bool enable);

// Security mode changed: WEP shows the WEP key controls in place of the WPA ones and the WPA
// modes the reverse; None disables both and leaves them where they are. Nothing happens while
// wireless is off.
void SS_Change(SettingsPanel& panel);

} // namespace vistrel
