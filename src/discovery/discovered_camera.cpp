#include "discovery/discovered_camera.h"

#include "discovery/model_names.h"

namespace vistrel {

int listStateOf(std::uint8_t setupFlagA, std::uint8_t setupFlagB) {
    if (setupFlagB != 1 && setupFlagB != 2) {
        return kStateOther;
    }
    if (setupFlagA == 0) {
        return kStateNew;
    }
    return setupFlagB == 1 ? kStateSetUpB1 : kStateSetUpB2;
}

std::optional<DiscoveredCamera> discoveredCameraOf(const DiscoveryReply& reply) {
    if (reply.deviceClass != kDeviceClassCamera) {
        return std::nullopt;
    }
    DiscoveredCamera camera;
    if (!UsesFixedModelList(reply.modelNumber, reply.vendorCode, reply.setupFlagB)) {
        camera.nameTableSelectorText = std::to_string(reply.nameTableSelector);
    }
    CameraListRow& row = camera.row;
    row.columns[kColumnMac] = formatMacText(reply.mac);
    row.columns[kColumnIp] = formatIpText(reply.ip);
    row.columns[kColumnName] = reply.name;
    row.columns[kColumnModel] =
        DiscoveryModelName(reply.modelNumber, reply.vendorCode, reply.setupFlagB,
                           camera.nameTableSelectorText.value_or(std::string()));
    row.columns[kColumnState] = std::to_string(listStateOf(reply.setupFlagA, reply.setupFlagB));
    return camera;
}

} // namespace vistrel
