#pragma once
// Turns discovery replies into rows of the camera list: one row per camera per search, with
// its address, name, model name and list state.

#include "discovery/camera_list.h"
#include "discovery/discovered_camera.h"
#include "protocol/camera_records.h"
#include "protocol/reply_dispatcher.h"
#include "protocol/reply_layouts.h"

#include <functional>
#include <string>
#include <vector>

namespace vistrel {

// Also a reply handler of its own, for decoders that list cameras and nothing else.
class CameraDiscovery : public ReplyHandler {
public:
    CameraDiscovery(CameraList& list, TDeviceItem& selectedCamera);

    // Adds a batch of cameras in arrival order: each one that has no row yet and did not come
    // earlier in the batch gets a row, and the list is ordered once for the batch. Returns how
    // many rows were added.
    int addDiscoveredCameras(std::vector<DiscoveredCamera> cameras);
    // The same for one reply, unless it is not a camera (device class other than 5). Returns
    // whether a row was added.
    bool addDiscoveredCamera(const DiscoveryReply& reply);
    void onDiscoveryReply(const DiscoveryReply& reply) override { addDiscoveredCamera(reply); }

    // Names of the cameras of this search that still need their first set-up. Every such
    // camera is kept, however many answer, so each of them can be sent to the set-up wizard.
    const std::vector<std::string>& newCameraNames() const { return newCameraNames_; }
    void clearNewCameraNames() { newCameraNames_.clear(); }

    // "%d" of the name-table selector of the last reply that was looked up in the tables.
    const std::string& nameTableSelectorText() const { return nameTableSelectorText_; }

    // While the wizard tracks the selected camera, its replies update the selected camera's
    // IP text and the wizard's camera address.
    void setTrackCameraAddress(bool track) { trackCameraAddress_ = track; }
    const std::string& cameraAddress() const { return cameraAddress_; }
    // Selecting a camera gives the wizard its address as the list shows it.
    void setCameraAddress(std::string address) { cameraAddress_ = std::move(address); }

    // Called after every batch that added rows, so that views can follow.
    void setListChanged(std::function<void()> listChanged) {
        listChanged_ = std::move(listChanged);
    }

private:
    void noteAddedCamera(const DiscoveredCamera& camera);
    void trackAddress(const std::string& macText, const std::string& ipText);

    CameraList& list_;
    TDeviceItem& selectedCamera_;
    std::vector<std::string> newCameraNames_;
    std::string nameTableSelectorText_;
    bool trackCameraAddress_ = false;
    std::string cameraAddress_;
    std::function<void()> listChanged_;
};

} // namespace vistrel
