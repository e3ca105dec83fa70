#pragma once
// Opening a camera for its set-up: the double-click's decision between
// the DHCP wait of a new camera and the login, and what a login in set-up mode opens
// (PreviewMode's set-up branch).

#include "config/camera_configuration.h"
#include "config/warning.h"
#include "config/wizard_page.h"
#include "discovery/camera_list.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vistrel {

enum class OpeningKind {
    Busy,        // the first timer tick has not come yet: fixed warning, nothing opens
    NoSelection, // warning, nothing opens
    DhcpWait,    // a new camera: start the DHCP wait, no login
    Login,       // open the login dialog in set-up mode
};

struct CameraOpening {
    OpeningKind kind = OpeningKind::NoSelection;
    std::optional<Warning> warning;
    // DhcpWait: the digest text of the factory password for the camera's MAC (empty when the
    // selected MAC text is not a MAC).
    std::string defaultPasswordDigestText;
    // Login: the name the dialog shows and the limit of its password field.
    std::string loginUserName;
    int loginPasswordMaxLength = 0;
};

// The digest text of the factory password for the camera's MAC; empty when its MAC text is not
// a MAC. Requests to a new camera prove the factory password with it.
std::string defaultPasswordDigestTextOf(const TDeviceItem& camera);

// A camera whose name is in the new-camera list waits for its DHCP address; any other camera
// asks for its password first, with 63-character limits for the name and the passwords.
// Both clear the digest-verified flag and make page 9's radios usable.
CameraOpening cameraOpening(CameraConfiguration& config, bool busy,
                            const CameraListRow* selectedRow,
                            const std::vector<std::string>& newCameraNames);

// What the wizard opens after a login in set-up mode.
struct SetUpPages {
    // OldNetwork for a camera whose list state is 5, else Network.
    WizardPage page = WizardPage::Network;
    bool lanTabInFront = false; // OldNetwork opens on its LAN tab
    // The camera's IP, netmask, gateway and DNS texts for pages 2 and 12, without blanks.
    std::array<std::string, 4> addressTexts;
};

// PreviewMode in set-up mode: opens the panel for the camera (LoadPanelFromCamera) and tells
// which wizard page shows it. selectedEntryState is the list state of the selected camera.
SetUpPages setUpPagesAfterLogin(CameraConfiguration& config, int selectedEntryState);

} // namespace vistrel
