#pragma once
// The configuration state of the selected camera: its record, the settings records and the
// wireless record that the next settings write is built from, the settings panel being edited,
// the address choice shared with the wizard, what is known of its password, and the request
// templates addressed to it. Selection, settings replies, the checks and the confirm operation
// all work on this one aggregate; the windows and the command line share it.

#include "config/address_choice.h"
#include "config/camera_credentials.h"
#include "config/settings_panel.h"
#include "protocol/camera_records.h"
#include "protocol/request_templates.h"
#include "protocol/settings_records.h"

namespace vistrel {

struct CameraConfiguration {
    CameraConfiguration() : addressChoice(panel) {}
    CameraConfiguration(const CameraConfiguration&) = delete;
    CameraConfiguration& operator=(const CameraConfiguration&) = delete;

    TDeviceItem camera; // the selected camera
    // Both start zero-filled: a DHCP document for a camera never validated with fixed
    // addresses carries 0.0.0.0.
    ShortSettingsRecord shortRecord{};
    LongSettingsRecord longRecord{};
    WlanInfo wlan;
    SettingsPanel panel;
    AddressChoice addressChoice;
    CameraCredentials credentials;
    RequestTemplates templates;
};

} // namespace vistrel
