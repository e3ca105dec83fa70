#pragma once
// The OK buttons of the wizard's pages that change the camera's settings through the panel:
// page 2 (the addresses) and page 12 (addresses, name and password). Each returns what the
// window does next.

#include "config/camera_configuration.h"
#include "config/settings_confirmation.h"
#include "config/warning.h"

#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

// The texts of a page's four address edits (IP, subnet, gateway, DNS).
struct WizardAddressTexts {
    std::string ip;
    std::string subnet;
    std::string gateway;
    std::string dns;
};

// The texts of page 12's name tab.
struct WizardNameTexts {
    std::string name;
    std::string password;
    std::string confirmation;
};

struct WizardPageOk {
    // The page's own check or the confirm refused, or the request could not be built: show the
    // warning; nothing is sent and the wizard stays on its page.
    std::optional<Warning> warning;
    // Otherwise the confirm's datagram: send it, then restart the search and close the wizard
    // without asking.
    ConfirmResult confirm;

    bool staysOnPage() const { return warning.has_value(); }
};

// Page 2's OK: the addresses into the panel, Check_Lan_Settings, then confirm.
WizardPageOk confirmNetworkPage(CameraConfiguration& config, const WizardAddressTexts& addresses,
                                std::string_view loginPassword, bool rowSelected);

// Page 12's OK buttons: the addresses, the name and both passwords into the panel,
// Check_Security_Settings, then confirm, which checks the addresses as well.
WizardPageOk confirmOldNetworkPage(CameraConfiguration& config, const WizardAddressTexts& addresses,
                                   const WizardNameTexts& name, std::string_view loginPassword,
                                   bool rowSelected);

} // namespace vistrel
