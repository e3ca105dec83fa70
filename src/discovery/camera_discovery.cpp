#include "discovery/camera_discovery.h"

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

CameraDiscovery::CameraDiscovery(CameraList& list, TDeviceItem& selectedCamera)
    : list_(list), selectedCamera_(selectedCamera) {}

bool CameraDiscovery::addDiscoveredCamera(const DiscoveryReply& reply) {
    if (reply.deviceClass != kDeviceClassCamera) {
        return false;
    }
    CameraListRow row;
    row.columns[kColumnMac] = formatMacText(reply.mac);
    if (list_.containsCaption(row.caption())) {
        return false;
    }
    row.columns[kColumnIp] = formatIpText(reply.ip);
    trackAddress(row.columns[kColumnMac], row.columns[kColumnIp]);
    row.columns[kColumnName] = reply.name;
    row.columns[kColumnModel] = modelNameOf(reply);
    const int state = listStateOf(reply.setupFlagA, reply.setupFlagB);
    if (state == kStateNew) {
        newCameraNames_.push_back(reply.name);
    }
    row.columns[kColumnState] = std::to_string(state);
    list_.addAndOrder(std::move(row));
    if (listChanged_) {
        listChanged_();
    }
    return true;
}

void CameraDiscovery::trackAddress(const std::string& macText, const std::string& ipText) {
    if (trackCameraAddress_ && macText == selectedCamera_.macText) {
        selectedCamera_.ipText = ipText;
        cameraAddress_ = ipText;
    }
}

const std::string& CameraDiscovery::modelNameOf(const DiscoveryReply& reply) {
    if (!UsesFixedModelList(reply.modelNumber, reply.vendorCode, reply.setupFlagB)) {
        nameTableSelectorText_ = std::to_string(reply.nameTableSelector);
    }
    return DiscoveryModelName(reply.modelNumber, reply.vendorCode, reply.setupFlagB,
                              nameTableSelectorText_);
}

} // namespace vistrel
