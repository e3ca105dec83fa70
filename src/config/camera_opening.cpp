#include "config/camera_opening.h"

#include "config/panel_opening.h"
#include "config/warning_keys.h"
#include "protocol/address_text.h"
#include "protocol/factory_defaults.h"
#include "protocol/password_digest.h"

#include <algorithm>

namespace vistrel {

std::string defaultPasswordDigestTextOf(const TDeviceItem& camera) {
    const auto mac = parseMacText(camera.macText);
    return mac ? passwordDigestText(*mac, kFactoryAdminPassword) : std::string();
}

CameraOpening cameraOpening(CameraConfiguration& config, bool busy,
                            const CameraListRow* selectedRow,
                            const std::vector<std::string>& newCameraNames) {
    CameraOpening opening;
    if (busy) {
        opening.kind = OpeningKind::Busy;
        opening.warning = Warning::fixedText(warning_texts::kBusySearching);
        return opening;
    }
    if (!selectedRow) {
        opening.warning = Warning::key(warning_keys::kSelectACamera);
        return opening;
    }
    config.credentials.digestVerified = false;
    config.addressChoice.enableFixedAddressPage(false);
    const std::string& name = selectedRow->columns[kColumnName];
    if (std::ranges::find(newCameraNames, name) != newCameraNames.end()) {
        opening.kind = OpeningKind::DhcpWait;
        opening.defaultPasswordDigestText = defaultPasswordDigestTextOf(config.camera);
        return opening;
    }
    applyLengthLimits(config.panel, kSetupLengthLimits);
    opening.kind = OpeningKind::Login;
    opening.loginUserName = name;
    opening.loginPasswordMaxLength = kSetupLengthLimits.password;
    return opening;
}

SetUpPages setUpPagesAfterLogin(CameraConfiguration& config, int selectedEntryState) {
    LoadPanelFromCamera(config);
    const TDeviceItem& camera = config.camera;
    SetUpPages pages;
    // The edits take digits and dots alone, so they get the addresses without the blanks that
    // align the octets in the list; the check reads either form alike.
    pages.addressTexts = {removeBlanks(camera.ipText), removeBlanks(camera.netmaskText),
                          removeBlanks(camera.gatewayText), removeBlanks(camera.dnsText)};
    if (selectedEntryState == kStateOther) {
        pages.page = WizardPage::OldNetwork;
        pages.lanTabInFront = true;
    }
    return pages;
}

} // namespace vistrel
