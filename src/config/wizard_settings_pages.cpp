#include "config/wizard_settings_pages.h"

#include "config/lan_check.h"
#include "config/panel_addresses.h"
#include "config/security_check.h"

namespace vistrel {

namespace {

void putAddresses(CameraConfiguration& config, const WizardAddressTexts& addresses) {
    PutAddressesInPanel(config.panel, addresses.ip, addresses.subnet, addresses.gateway,
                        addresses.dns);
}

WizardPageOk confirmAfter(CheckResult check, CameraConfiguration& config,
                          std::string_view loginPassword, bool rowSelected) {
    if (!check.passed()) {
        return {std::move(check.warning), {}};
    }
    ConfirmResult confirm = Image_Settings_OKClick(config, loginPassword, rowSelected);
    std::optional<Warning> warning = confirm.warning;
    return {std::move(warning), std::move(confirm)};
}

} // namespace

WizardPageOk confirmNetworkPage(CameraConfiguration& config, const WizardAddressTexts& addresses,
                                std::string_view loginPassword, bool rowSelected) {
    putAddresses(config, addresses);
    return confirmAfter(Check_Lan_Settings(config), config, loginPassword, rowSelected);
}

WizardPageOk confirmOldNetworkPage(CameraConfiguration& config, const WizardAddressTexts& addresses,
                                   const WizardNameTexts& name, std::string_view loginPassword,
                                   bool rowSelected) {
    putAddresses(config, addresses);
    config.panel.STATIC_SETTING_CAMERANAME_EDIT.text = name.name;
    config.panel.STATIC_SETTING_NEWPASSWORD_EDIT.text = name.password;
    config.panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT.text = name.confirmation;
    return confirmAfter(Check_Security_Settings(config), config, loginPassword, rowSelected);
}

} // namespace vistrel
