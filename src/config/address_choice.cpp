#include "config/address_choice.h"

namespace vistrel {

void AddressChoice::checkPanelRadio(AddressMode mode) {
    const bool dhcp = mode == AddressMode::Dhcp;
    const bool alreadyChecked =
        dhcp ? panel_.RadioButton_DHCP.checked : panel_.RadioButton_Manual_IP.checked;
    setPanelRadios(mode);
    if (!alreadyChecked) {
        applyMode(mode);
    }
}

void AddressChoice::RadioButton_DHCPClick() {
    applyMode(AddressMode::Dhcp);
}

void AddressChoice::RadioButton_Manual_IPClick() {
    applyMode(AddressMode::Fixed);
}

void AddressChoice::RadioButton_T2_DHCPClick() {
    setWizardPairs(AddressMode::Dhcp);
    setPanelRadios(AddressMode::Dhcp);
    RadioButton_DHCPClick();
}

void AddressChoice::RadioButton_T2_IPClick() {
    setWizardPairs(AddressMode::Fixed);
    setPanelRadios(AddressMode::Fixed);
    RadioButton_Manual_IPClick();
}

// Every pair ends on the camera's choice and the fields follow it once, whichever radios
// changed on the way.
void AddressChoice::showCameraAddressMode(AddressMode mode) {
    setPanelRadios(mode);
    setWizardPairs(mode);
    applyMode(mode);
}

void AddressChoice::enableFixedAddressPage(bool addressEdits) {
    if (view_) {
        view_->enableFixedAddressPage(addressEdits);
    }
}

void AddressChoice::setPanelRadios(AddressMode mode) {
    panel_.RadioButton_DHCP.checked = mode == AddressMode::Dhcp;
    panel_.RadioButton_Manual_IP.checked = mode == AddressMode::Fixed;
}

void AddressChoice::setWizardPairs(AddressMode mode) {
    wizardMode_ = mode;
    if (view_) {
        view_->checkAddressRadios(mode);
    }
}

void AddressChoice::applyMode(AddressMode mode) {
    panel_.setAddressFieldsEnabled(mode == AddressMode::Fixed);
    if (view_) {
        view_->followAddressMode(mode);
    }
}

} // namespace vistrel
