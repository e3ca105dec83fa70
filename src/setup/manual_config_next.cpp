#include "setup/manual_config_next.h"

#include "base/byte_layout.h"
#include "config/lan_check.h"
#include "config/panel_addresses.h"
#include "protocol/address_text.h"
#include "protocol/factory_defaults.h"

namespace vistrel {

namespace {

constexpr int kManualSeconds = 30;

// The camera is where it was told to be; the texts stay as typed, and the form without blanks
// that connections use follows the IP address.
void storeTypedAddresses(TDeviceItem& camera, const WizardAddressTexts& typed) {
    camera.ipText = typed.ip;
    camera.ipTextNoBlanks = removeBlanks(typed.ip);
    camera.netmaskText = typed.subnet;
    camera.gatewayText = typed.gateway;
    camera.dnsText = typed.dns;
}

} // namespace

ManualTestStart startFixedAddressTest(CameraConfiguration& config, WizardState& state,
                                      const WizardAddressTexts& typed, bool rowSelected) {
    PutAddressesInPanel(config.panel, typed.ip, typed.subnet, typed.gateway, typed.dns);
    ManualTestStart start;
    if (CheckResult check = Check_Lan_Settings(config); !check.passed()) {
        start.warning = std::move(check.warning);
        return start;
    }
    if (config.credentials.digestVerified) {
        writeText(config.longRecord, kLongRecordLayout.password, kRecordPasswordSize,
                  kFactoryAdminPassword);
    }
    start.confirm = Image_Settings_OKClick(config, kFactoryAdminPassword, rowSelected);
    if (start.confirm.status != ConfirmStatus::Ready) {
        start.warning = start.confirm.warning;
        return start;
    }
    state.ManualConfirmed = false;
    state.ManualSeconds = kManualSeconds;
    start.countdown = {WizardPage::ManualConfig, kManualSeconds};
    storeTypedAddresses(config.camera, typed);
    // Later writes of this set-up reopen the panel from the record: they keep the mode sent.
    config.camera.dhcpFlag = config.addressChoice.wizardChoosesDhcp() ? 1 : 0;
    return start;
}

} // namespace vistrel
