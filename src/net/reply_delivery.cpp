#include "net/reply_delivery.h"

namespace vistrel::net {

namespace {

// Collects the cameras of a batch and adds them to the list just before a reply that the
// decoder hands on, so that the list is as it would be had every datagram been decoded alone.
// Replies that the common step drops (from other cameras, say) do not break a run of cameras.
class RunsOfCameras : public ReplyHandler {
public:
    RunsOfCameras(CameraDiscovery& discovery, ReplyHandler& handler)
        : discovery_(discovery), handler_(handler) {}

    void add(DiscoveredCamera camera) { cameras_.push_back(std::move(camera)); }
    void flush() {
        if (!cameras_.empty()) {
            discovery_.addDiscoveredCameras(std::move(cameras_));
            cameras_.clear();
        }
    }

    void onDiscoveryReply(const DiscoveryReply& reply) override {
        flush();
        handler_.onDiscoveryReply(reply);
    }
    void onSettingsReply(Bytes datagram) override {
        flush();
        handler_.onSettingsReply(datagram);
    }
    void onWirelessRecordReply(const WirelessRecord& record) override {
        flush();
        handler_.onWirelessRecordReply(record);
    }
    void onSiteSurveyReply(const std::vector<SiteSurveyEntry>& entries) override {
        flush();
        handler_.onSiteSurveyReply(entries);
    }
    void onStatusReply(ReplyCode code, std::uint8_t status) override {
        flush();
        handler_.onStatusReply(code, status);
    }

private:
    CameraDiscovery& discovery_;
    ReplyHandler& handler_;
    std::vector<DiscoveredCamera> cameras_;
};

} // namespace

void deliverReplies(ReplyBatch batch, CameraDiscovery& discovery,
                    const std::string& selectedMacText, ReplyHandler& handler) {
    RunsOfCameras runs(discovery, handler);
    for (ReceivedReply& reply : batch) {
        if (auto* camera = std::get_if<DiscoveredCamera>(&reply.content)) {
            runs.add(std::move(*camera));
        } else {
            decodeReply(std::get<OtherReply>(reply.content).datagram, selectedMacText, runs);
        }
    }
    runs.flush();
}

} // namespace vistrel::net
