#pragma once
// The wizard's side of the choice between DHCP and a fixed address: the radio pairs of pages 2,
// 9 and 12 always show the same choice, and DHCP locks the address captions, values and edits
// of pages 2, 3, 4, 9, 10 and 12 as one table says.

#include "config/address_choice.h"
#include "wizard/wizard_controls.h"

namespace vistrel {

class WizardAddressPages : public WizardAddressView {
public:
    explicit WizardAddressPages(WizardPages& pages) : pages_(pages) {}

    void checkAddressRadios(AddressMode mode) override;
    void followAddressMode(AddressMode mode) override;
    void enableFixedAddressPage(bool addressEdits) override;

private:
    WizardPages& pages_;
};

} // namespace vistrel
