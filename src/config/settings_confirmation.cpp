#include "config/settings_confirmation.h"

#include "config/lan_check.h"
#include "config/security_check.h"
#include "config/warning_keys.h"
#include "config/wireless_check.h"
#include "protocol/settings_request.h"

namespace vistrel {

namespace {

CheckResult runChecks(CameraConfiguration& config) {
    for (const auto check :
         {Check_Lan_Settings, Check_Wireless_Settings, Check_Security_Settings}) {
        if (CheckResult result = check(config); !result.passed()) {
            return result;
        }
    }
    return CheckResult::pass();
}

SettingsPanelTexts documentTextsOf(const SettingsPanel& panel) {
    return {panel.STATIC_SETTING_CAMERANAME_EDIT.text, panel.MEMO_SETTING_SSID_EDIT.text,
            panel.MEMO_SETTING_EDIT_WEP.text, panel.MEMO_SETTING_EDIT_WPA.text,
            panel.MEMO_SETTING_WebPort_EDIT.text};
}

std::optional<std::vector<std::uint8_t>> buildRequest(CameraConfiguration& config,
                                                      std::string_view loginPassword) {
    const TDeviceItem& camera = config.camera;
    if (camera.xmlMode) {
        return buildXmlSettingsDatagram(config.shortRecord, camera, config.wlan,
                                        documentTextsOf(config.panel));
    }
    const auto mac = parseMacText(camera.macText);
    if (!mac) {
        return std::nullopt;
    }
    if (usesShortSettingsLayout(camera.modelCode)) {
        frameShortSettingsRecord(config.shortRecord, *mac);
        return std::vector<std::uint8_t>(config.shortRecord.begin(), config.shortRecord.end());
    }
    if (!frameLongSettingsRecord(config.longRecord, *mac, loginPassword)) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(config.longRecord.begin(), config.longRecord.end());
}

} // namespace

ConfirmResult Image_Settings_OKClick(CameraConfiguration& config, std::string_view loginPassword,
                                     bool rowSelected) {
    if (CheckResult result = runChecks(config); !result.passed()) {
        return {ConfirmStatus::Refused, std::move(result.warning), {}};
    }
    config.panel.TabSheet_Setting.activePage = kLanPage;
    config.panel.emptyPasswordFields();
    config.panel.returnToListMode(rowSelected);
    auto datagram = buildRequest(config, loginPassword);
    if (!datagram) {
        return {ConfirmStatus::NotBuilt, Warning::key(warning_keys::kSettingsNotSent), {}};
    }
    return {ConfirmStatus::Ready, std::nullopt, std::move(*datagram)};
}

} // namespace vistrel
