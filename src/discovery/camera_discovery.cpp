#include "discovery/camera_discovery.h"

#include <unordered_set>

namespace vistrel {

CameraDiscovery::CameraDiscovery(CameraList& list, TDeviceItem& selectedCamera)
    : list_(list), selectedCamera_(selectedCamera) {}

int CameraDiscovery::addDiscoveredCameras(std::vector<DiscoveredCamera> cameras) {
    std::vector<CameraListRow> rows;
    rows.reserve(cameras.size());
    std::unordered_set<std::string_view> batchCaptions;
    for (DiscoveredCamera& camera : cameras) {
        const std::string& caption = camera.row.caption();
        if (list_.containsCaption(caption) || !batchCaptions.insert(caption).second) {
            continue; // a camera gets one row per search, however often it answers
        }
        noteAddedCamera(camera);
        rows.push_back(std::move(camera.row));
    }
    if (rows.empty()) {
        return 0;
    }
    const auto added = static_cast<int>(rows.size());
    list_.addBatchAndOrder(std::move(rows));
    if (listChanged_) {
        listChanged_();
    }
    return added;
}

bool CameraDiscovery::addDiscoveredCamera(const DiscoveryReply& reply) {
    std::optional<DiscoveredCamera> camera = discoveredCameraOf(reply);
    if (!camera) {
        return false;
    }
    std::vector<DiscoveredCamera> one;
    one.push_back(std::move(*camera));
    return addDiscoveredCameras(std::move(one)) == 1;
}

// What a new row tells beyond the list, in arrival order: the name-table selector, the new
// cameras for the wizard and the address of the camera the wizard tracks.
void CameraDiscovery::noteAddedCamera(const DiscoveredCamera& camera) {
    const CameraListRow& row = camera.row;
    if (camera.nameTableSelectorText) {
        nameTableSelectorText_ = *camera.nameTableSelectorText;
    }
    trackAddress(row.columns[kColumnMac], row.columns[kColumnIp]);
    if (row.columns[kColumnState] == std::to_string(kStateNew)) {
        newCameraNames_.push_back(row.columns[kColumnName]);
    }
}

void CameraDiscovery::trackAddress(const std::string& macText, const std::string& ipText) {
    if (trackCameraAddress_ && macText == selectedCamera_.macText) {
        selectedCamera_.ipText = ipText;
        cameraAddress_ = ipText;
    }
}

} // namespace vistrel
