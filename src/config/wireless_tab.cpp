#include "config/wireless_tab.h"

namespace vistrel {

void RadioButton_EnableClick(SettingsPanel& panel, WlanInfo& wlan) {
    wlan.enable = "1";
    panel.setWirelessControlsEnabled(true);
    if (panel.ComboBox_SS.itemIndex == kSecurityNone) {
        panel.setKeyControlsEnabled(KeyKind::Wep, false);
        panel.setKeyControlsEnabled(KeyKind::Wpa, false);
    }
}

void RadioButton_DisableClick(SettingsPanel& panel, WlanInfo& wlan) {
    wlan.enable = "0";
    panel.setWirelessControlsEnabled(false);
    // What switches wireless back on stays usable.
    panel.Label_Wireless.enabled = true;
    panel.Label_Enable.enabled = true;
    panel.Label_Disable.enabled = true;
    panel.RadioButton_Enable.enabled = true;
    panel.RadioButton_Disable.enabled = true;
}

void checkWirelessRadio(SettingsPanel& panel, WlanInfo& wlan, bool enable) {
    RadioControl& target = enable ? panel.RadioButton_Enable : panel.RadioButton_Disable;
    const bool alreadyChecked = target.checked;
    panel.RadioButton_Enable.checked = enable;
    panel.RadioButton_Disable.checked = !enable;
    if (alreadyChecked) {
        return;
    }
    if (enable) {
        RadioButton_EnableClick(panel, wlan);
    } else {
        RadioButton_DisableClick(panel, wlan);
    }
}

void SS_Change(SettingsPanel& panel) {
    if (panel.RadioButton_Disable.checked) {
        return;
    }
    switch (panel.ComboBox_SS.itemIndex) {
    case kSecurityNone:
        panel.setKeyControlsEnabled(KeyKind::Wep, false);
        panel.setKeyControlsEnabled(KeyKind::Wpa, false);
        return;
    case kSecurityWep:
        panel.setKeyControlsEnabled(KeyKind::Wep, true);
        panel.setKeyControlsVisible(KeyKind::Wep, true);
        panel.setKeyControlsEnabled(KeyKind::Wpa, false);
        panel.setKeyControlsVisible(KeyKind::Wpa, false);
        return;
    default: // WPA-PSK, WPA2-PSK
        panel.setKeyControlsEnabled(KeyKind::Wep, false);
        panel.setKeyControlsVisible(KeyKind::Wep, false);
        panel.setKeyControlsEnabled(KeyKind::Wpa, true);
        panel.setKeyControlsVisible(KeyKind::Wpa, true);
        return;
    }
}

} // namespace vistrel
