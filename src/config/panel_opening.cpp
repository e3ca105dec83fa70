#include "config/panel_opening.h"

#include "config/panel_addresses.h"
#include "config/warning_keys.h"
#include "discovery/model_names.h"

namespace vistrel {

LengthLimits lengthLimitsFor(std::uint8_t modelCode, std::string_view modelName) {
    if (modelCode >= 19 && modelCode <= 26) {
        return {63, 63};
    }
    if (IsLongPasswordModel(modelName)) {
        return {31, 63};
    }
    return {31, 12};
}

void applyLengthLimits(SettingsPanel& panel, LengthLimits limits) {
    panel.STATIC_SETTING_CAMERANAME_EDIT.maxLength = limits.cameraName;
    panel.STATIC_SETTING_NEWPASSWORD_EDIT.maxLength = limits.password;
    panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT.maxLength = limits.password;
}

ConfigureResult prepareConfigureLogin(CameraConfiguration& config,
                                      const CameraListRow* selectedRow) {
    if (!selectedRow) {
        return {Warning::key(warning_keys::kSelectACamera), {}};
    }
    const LengthLimits limits = lengthLimitsFor(config.camera.modelCode, config.camera.modelName);
    applyLengthLimits(config.panel, limits);
    config.panel.TabSheet_Wireless_Settings.tabVisible = config.camera.xmlMode;
    config.panel.TabSheet_Setting.activePage = kLanPage;
    return {std::nullopt, {selectedRow->columns[kColumnName], limits.password}};
}

void LoadPanelFromCamera(CameraConfiguration& config) {
    SettingsPanel& panel = config.panel;
    const TDeviceItem& camera = config.camera;
    panel.enterSettingsMode();
    // A new password left from another camera's refused write must not go to this one.
    panel.emptyPasswordFields();
    config.addressChoice.enableFixedAddressPage(true);
    config.addressChoice.showCameraAddressMode(camera.dhcpFlag != 0 ? AddressMode::Dhcp
                                                                    : AddressMode::Fixed);
    fillAddressFields(panel, AddressGroup::Ip, camera.ipText);
    fillAddressFields(panel, AddressGroup::Netmask, camera.netmaskText);
    fillAddressFields(panel, AddressGroup::Gateway, camera.gatewayText);
    fillAddressFields(panel, AddressGroup::Dns, camera.dnsText);
    panel.MEMO_SETTING_WebPort_EDIT.text = std::to_string(camera.webPort);
    panel.STATIC_SETTING_CAMERANAME_EDIT.text = camera.cameraName;
}

} // namespace vistrel
