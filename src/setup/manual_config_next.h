#pragma once
// Page 9's Next without the window: the fixed address typed after a failed DHCP wait goes to
// the camera through the settings panel, and the cloud test starts.

#include "config/camera_configuration.h"
#include "config/settings_confirmation.h"
#include "config/warning.h"
#include "config/wizard_settings_pages.h"
#include "setup/wizard_state.h"
#include "setup/wizard_timer.h"

#include <optional>

namespace vistrel {

struct ManualTestStart {
    // Check_Lan_Settings or the confirm refused, or the request could not be built: show the
    // warning; nothing was sent and the test has not started.
    std::optional<Warning> warning;
    // Otherwise the confirm's datagram to send, then the timer counts.
    ConfirmResult confirm;
    Countdown countdown{WizardPage::ManualConfig, 30}; // Label_T9_Sec shows it

    bool started() const { return !warning; }
};

// The addresses into the panel and Check_Lan_Settings; when it passes, the confirm with the
// factory password. When that is ready to send: ManualSeconds at 30, and the typed addresses
// and the chosen address mode become the camera record's.
// Page 9 follows a DHCP wait that found the factory password, so the long record proves that
// password; a camera that reported its digest text also gets it in the record's password
// field. Either way the caller then restarts the search.
ManualTestStart startFixedAddressTest(CameraConfiguration& config, WizardState& state,
                                      const WizardAddressTexts& typed, bool rowSelected);

} // namespace vistrel
