#include "config/camera_selection.h"

#include "discovery/model_names.h"
#include "protocol/address_text.h"

#include <algorithm>

namespace vistrel {

namespace {

void fillRecordFromRow(TDeviceItem& camera, const CameraListRow& row,
                       std::string_view nameTableSelectorText) {
    camera.modelName = row.columns[kColumnModel];
    camera.modelCode = ModelCodeOf(camera.modelName, nameTableSelectorText);
    camera.macText = row.caption();
    camera.macTextWithoutSeparators.clear();
    for (std::size_t position = 0; position < 18; position += 3) {
        camera.macTextWithoutSeparators +=
            camera.macText.substr(std::min(position, camera.macText.size()), 2);
    }
    camera.ipText = row.columns[kColumnIp];
    camera.browserIpText = camera.ipText;
    camera.ipTextNoBlanks = removeBlanks(camera.ipText);
}

} // namespace

SelectionOutcome selectCamera(CameraConfiguration& config, const CameraList& list,
                              CameraDiscovery& discovery, DatagramSender& sender) {
    config.panel.setWirelessControlsEnabled(false);
    const int index = list.selectedIndex();
    if (index < 0) {
        config.panel.Image_Browser.visible = false;
        config.panel.Image_Config.visible = false;
        return SelectionOutcome::NoSelection;
    }
    config.panel.Image_Browser.visible = true;
    config.panel.Image_Config.visible = true;
    fillRecordFromRow(config.camera, list.row(index), discovery.nameTableSelectorText());
    discovery.setCameraAddress(config.camera.ipText);

    const auto mac = parseMacText(config.camera.macText);
    // A zero MAC addresses no camera: nothing reaches the camera selected before.
    config.templates.setCameraMac(mac.value_or(MacAddress{}));
    if (!mac) {
        return SelectionOutcome::Unaddressable;
    }
    sender.SendDatagram(config.templates.SettingsQuery);
    sender.SendDatagram(config.templates.WirelessRecordQuery);
    sender.SendDatagram(config.templates.DhcpStatusQuery);
    return SelectionOutcome::QueriesSent;
}

} // namespace vistrel
