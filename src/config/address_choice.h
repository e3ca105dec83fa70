#pragma once
// The choice between DHCP and a fixed address. The settings panel has its own radio pair
// (RadioButton_DHCP, RadioButton_Manual_IP); the wizard shows the same choice on pages 2, 9 and
// 12 with three radio pairs that are always alike, and their state is what the LAN check reads.

#include "config/settings_panel.h"

namespace vistrel {

enum class AddressMode { Dhcp, Fixed };

// What the choice does to the wizard. The wizard window implements it: it owns its pages'
// widgets and the one table of which of them each choice hides, shows, disables or enables.
class WizardAddressView {
public:
    virtual ~WizardAddressView() = default;
    // Pages 2, 9 and 12 check the radio of `mode` and uncheck the other one of each pair.
    virtual void checkAddressRadios(AddressMode mode) = 0;
    // DHCP locks the address captions, values and edits of pages 2, 3, 4, 9, 10 and 12; a
    // fixed address unlocks them.
    virtual void followAddressMode(AddressMode mode) = 0;
    // Page 9 becomes usable again: its radio pair enabled and, with addressEdits, its four
    // address edits enabled too.
    virtual void enableFixedAddressPage(bool addressEdits) = 0;
};

class AddressChoice {
public:
    explicit AddressChoice(SettingsPanel& panel) : panel_(panel) {}
    AddressChoice(const AddressChoice&) = delete;
    AddressChoice& operator=(const AddressChoice&) = delete;

    // The wizard window registers itself; without one only the panel follows the choice.
    void setWizardView(WizardAddressView* view) { view_ = view; }

    // Checks the panel's radio of `mode`; when it was not checked yet its click runs.
    void checkPanelRadio(AddressMode mode);
    // Choose DHCP: the panel's address fields are disabled and the wizard locks its own.
    void RadioButton_DHCPClick();
    // Choose a fixed address: the reverse.
    void RadioButton_Manual_IPClick();

    // A click on any of the wizard's pairs sets all three pairs, keeps the panel's radios in
    // step and runs the panel's choice.
    void RadioButton_T2_DHCPClick();
    void RadioButton_T2_IPClick();

    // Opening the panel for a camera: its DHCP flag decides all four pairs, and the fields of
    // the panel and the wizard follow.
    void showCameraAddressMode(AddressMode mode);
    // Opening the panel or a camera makes the wizard's page 9 usable again.
    void enableFixedAddressPage(bool addressEdits);

    // The state of the wizard's pairs, which starts on Static IP.
    AddressMode wizardMode() const { return wizardMode_; }
    bool wizardChoosesDhcp() const { return wizardMode_ == AddressMode::Dhcp; }

private:
    void setPanelRadios(AddressMode mode);
    void setWizardPairs(AddressMode mode);
    void applyMode(AddressMode mode);

    SettingsPanel& panel_;
    WizardAddressView* view_ = nullptr;
    AddressMode wizardMode_ = AddressMode::Fixed;
};

} // namespace vistrel
