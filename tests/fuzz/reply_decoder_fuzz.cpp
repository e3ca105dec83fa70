// Feeds arbitrary datagrams through the reply decoder as if the sending camera were the
// selected one, so that every reply code reaches its decoder.

#include "discovery/camera_discovery.h"
#include "protocol/compressed_document.h"
#include "protocol/reply_dispatcher.h"

#include <cstddef>
#include <cstdint>

namespace {

using namespace vistrel;

// The camera list for discovery replies, and the framing of the XML settings replies.
class EveryReply : public ReplyHandler {
public:
    explicit EveryReply(CameraDiscovery& discovery) : discovery_(discovery) {}

    void onDiscoveryReply(const DiscoveryReply& reply) override {
        discovery_.onDiscoveryReply(reply);
    }
    void onSettingsReply(Bytes datagram) override {
        if (isXmlSettingsReply(datagram)) {
            inflateDocument(datagram.subspan(kXmlSettingsStreamOffset), 1023);
        }
    }

private:
    CameraDiscovery& discovery_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static CameraList list;
    static TDeviceItem selected;
    static CameraDiscovery discovery(list, selected);
    if (list.rowCount() > 1000) {
        list.removeAllRows();
        discovery.clearNewCameraNames();
    }
    const Bytes datagram(data, size);
    selected.macText = formatMacText(macOf(datagram));
    EveryReply handler(discovery);
    decodeReply(datagram, selected.macText, handler);
    return 0;
}
