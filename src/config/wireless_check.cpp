#include "config/wireless_check.h"

#include "config/warning_keys.h"
#include "config/wireless_tab.h"

namespace vistrel {

namespace {

constexpr int kHexadecimalFormat = 0; // ComboBox_KeyFormat_WEP
constexpr int k128BitWep = 1;         // ComboBox_KeyType_WEP
constexpr int kPassphraseFormat = 0;  // ComboBox_KeyFormat_WPA

bool hasRequiredLength(const SettingsPanel& panel) {
    switch (panel.ComboBox_SS.itemIndex) {
    case kSecurityWep: {
        const bool hexadecimal = panel.ComboBox_KeyFormat_WEP.itemIndex == kHexadecimalFormat;
        const bool wide = panel.ComboBox_KeyType_WEP.itemIndex == k128BitWep;
        const std::size_t required = wide ? (hexadecimal ? 26 : 13) : (hexadecimal ? 10 : 5);
        return panel.MEMO_SETTING_EDIT_WEP.text.size() == required;
    }
    case kSecurityWpa:
    case kSecurityWpa2: {
        const std::size_t length = panel.MEMO_SETTING_EDIT_WPA.text.size();
        return panel.ComboBox_KeyFormat_WPA.itemIndex == kPassphraseFormat
                   ? length >= 8 && length <= 63
                   : length == 64;
    }
    default:
        return true;
    }
}

// The auth and encryption codes of the security mode and, for WPA, of the cipher.
std::string authOf(int security) {
    constexpr const char* kAuth[] = {"0", "2", "3", "4"};
    return security >= 0 && security < 4 ? kAuth[security] : "0";
}

std::string encryptionOf(int security, int cipher) {
    if (security == kSecurityNone || security == kSecurityWep) {
        return security == kSecurityNone ? "0" : "1";
    }
    return cipher == 0 ? "2" : "3"; // TKIP, AES
}

} // namespace

CheckResult Check_Wireless_Settings(CameraConfiguration& config) {
    const SettingsPanel& panel = config.panel;
    if (!config.camera.xmlMode || !panel.RadioButton_Enable.checked) {
        return CheckResult::pass();
    }
    if (!hasRequiredLength(panel)) {
        return CheckResult::refuse(Warning::key(warning_keys::kKeyLength));
    }
    WlanInfo& wlan = config.wlan;
    const int security = panel.ComboBox_SS.itemIndex;
    wlan.mode = std::string(1, '1'); // not a literal: GCC 12 warns falsely (-Wrestrict)
    wlan.ssid = panel.MEMO_SETTING_SSID_EDIT.text;
    wlan.channel = std::to_string(panel.ComboBox_Channel.itemIndex);
    wlan.auth = authOf(security);
    wlan.encryption = encryptionOf(security, panel.ComboBox_KeyType_WPA.itemIndex);
    wlan.wepkey1 = panel.MEMO_SETTING_EDIT_WEP.text;
    wlan.wpakey = panel.MEMO_SETTING_EDIT_WPA.text;
    wlan.wepkeysize = std::to_string(panel.ComboBox_KeyType_WEP.itemIndex);
    wlan.wepkeytype = std::to_string(panel.ComboBox_KeyFormat_WEP.itemIndex);
    return CheckResult::pass();
}

} // namespace vistrel
