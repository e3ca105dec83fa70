// Feeds arbitrary datagrams to the test cameras' request handling, once as they are and once
// addressed to one of the cameras, and aborts when a reply or a refusal breaks its contract.

#include "camsim/request_handler.h"
#include "camsim/settings_document.h"
#include "protocol/admin_datagram.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

using namespace vistrel;
using namespace vistrel::camsim;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::vector<CameraState> freshCameras() {
    CameraDescription xml;
    xml.mac = {0x02, 0x56, 0x49, 0x00, 0x00, 0x02};
    xml.networks = {{"Home", "02:aa:00:00:00:01", 80, 6, 6, false}};
    xml.statusReplies = {1, std::nullopt, 2};
    CameraDescription shortLayout;
    shortLayout.mac = {0x02, 0x56, 0x49, 0x00, 0x00, 0x01};
    shortLayout.variant = SettingsVariant::ShortLayout;
    CameraDescription longLayout;
    longLayout.mac = {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
    longLayout.modelNumber = 27;
    longLayout.variant = SettingsVariant::LongLayout;
    longLayout.passwordReport = PasswordReport::Digest;
    return {CameraState(xml), CameraState(shortLayout), CameraState(longLayout)};
}

void handleAndCheck(std::vector<CameraState>& cameras, Bytes datagram) {
    std::vector<CameraSettings> before;
    for (const CameraState& camera : cameras) {
        before.push_back(camera.settings());
    }
    RequestHandler handler(cameras);
    const RequestOutcome outcome = handler.handle(datagram);
    for (const OutgoingReply& reply : outcome.replies) {
        check(reply.datagram.size() >= 10 && reply.datagram.size() <= 65507);
        check(reply.datagram[6] != 0);
        check(std::any_of(cameras.begin(), cameras.end(),
                          [&](const CameraState& c) { return macOf(reply.datagram) == c.mac(); }));
    }
    const bool applied = outcome.entry.verdict == "applied";
    for (std::size_t i = 0; i < cameras.size(); ++i) {
        const bool changed = !(cameras[i].settings() == before[i]);
        check(!changed || applied); // a refused or ignored request changes nothing
        // Only changed settings can make the reply document outgrow a datagram.
        check(!changed || cameras[i].description().variant != SettingsVariant::Xml ||
              composeReplyDocument(cameras[i]).size() <= kMaxReplyDocumentSize);
    }
    check(!logLine(outcome.entry, {}).empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<CameraState> initialCameras = freshCameras();
    std::vector<CameraState> cameras = initialCameras;
    handleAndCheck(cameras, Bytes(data, size));
    if (size >= 6) {
        std::vector<std::uint8_t> addressed(data, data + size);
        const MacAddress& mac = cameras[size % cameras.size()].mac();
        std::copy(mac.begin(), mac.end(), addressed.begin());
        handleAndCheck(cameras, addressed);
    }
    return 0;
}
