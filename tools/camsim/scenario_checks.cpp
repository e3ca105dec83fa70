#include "camsim/scenario_checks.h"

#include "camsim/camera_state.h"
#include "camsim/settings_document.h"
#include "camsim/settings_reply.h"
#include "discovery/model_names.h"
#include "protocol/reply_layouts.h"
#include "protocol/settings_records.h"

#include <set>
#include <utility>

namespace vistrel::camsim {

namespace {

// One site-survey reply must fit one UDP datagram.
constexpr std::size_t kMaxNetworks = 64;

std::string labelOf(std::size_t index, const CameraDescription& camera) {
    return "camera " + std::to_string(index + 1) + " (" + formatMacText(camera.mac) + ")";
}

void checkIdentity(const std::vector<CameraDescription>& cameras, ScenarioFindings& findings) {
    std::set<MacAddress> macs;
    std::set<std::pair<Ipv4Address, std::uint16_t>> webServers;
    for (std::size_t i = 0; i < cameras.size(); ++i) {
        const CameraDescription& camera = cameras[i];
        if (camera.mac == kBroadcastMac || camera.mac == MacAddress{}) {
            findings.errors.push_back(labelOf(i, camera) + ": not a camera's MAC");
        }
        if (!macs.insert(camera.mac).second) {
            findings.errors.push_back(labelOf(i, camera) + ": MAC used twice");
        }
        if (!webServers.insert({camera.settings.ip, camera.settings.webPort}).second) {
            findings.errors.push_back(labelOf(i, camera) + ": another camera serves " +
                                      formatDottedDecimal(camera.settings.ip) + ":" +
                                      std::to_string(camera.settings.webPort));
        }
    }
}

void checkSizes(std::size_t i, const CameraDescription& camera, ScenarioFindings& findings) {
    if (camera.settings.name.size() > nameCapacityOf(camera.variant)) {
        findings.errors.push_back(labelOf(i, camera) + ": name longer than " +
                                  std::to_string(nameCapacityOf(camera.variant)) + " bytes");
    }
    if (camera.variant == SettingsVariant::Xml &&
        composeReplyDocument(CameraState(camera)).size() > kMaxReplyDocumentSize) {
        findings.errors.push_back(labelOf(i, camera) +
                                  ": settings document longer than 1023 bytes");
    }
    if (camera.networks.size() > kMaxNetworks) {
        findings.errors.push_back(labelOf(i, camera) + ": more than 64 networks");
    }
}

void checkFinderView(std::size_t i, const CameraDescription& camera, ScenarioFindings& findings) {
    if (camera.deviceClass != kDeviceClassCamera) {
        findings.warnings.push_back(labelOf(i, camera) + ": the finder lists only device class 5");
    }
    if (camera.variant == SettingsVariant::Xml) {
        return;
    }
    const std::uint8_t code = finderModelCodeOf(camera);
    const bool finderReadsShort = usesShortSettingsLayout(code);
    if (finderReadsShort != (camera.variant == SettingsVariant::ShortLayout)) {
        findings.warnings.push_back(labelOf(i, camera) + ": the finder reads model \"" +
                                    finderModelNameOf(camera) + "\" (code " + std::to_string(code) +
                                    ") with the " + (finderReadsShort ? "short" : "long") +
                                    " layout");
    }
    if (camera.settings.dns[2] == 0xAC && camera.settings.dns[3] == 0xED) {
        findings.warnings.push_back(labelOf(i, camera) +
                                    ": a DNS address ending in .172.237 makes the finder take "
                                    "the fixed-layout reply for XML");
    }
}

} // namespace

ScenarioFindings checkScenario(const std::vector<CameraDescription>& cameras) {
    ScenarioFindings findings;
    if (cameras.empty()) {
        findings.errors.emplace_back("no camera");
    }
    checkIdentity(cameras, findings);
    for (std::size_t i = 0; i < cameras.size(); ++i) {
        checkSizes(i, cameras[i], findings);
        checkFinderView(i, cameras[i], findings);
    }
    return findings;
}

std::string finderModelNameOf(const CameraDescription& camera) {
    return DiscoveryModelName(camera.modelNumber, camera.vendorCode, camera.setupFlagB,
                              std::to_string(camera.nameTableSelector));
}

std::uint8_t finderModelCodeOf(const CameraDescription& camera) {
    return ModelCodeOf(finderModelNameOf(camera), std::to_string(camera.nameTableSelector));
}

} // namespace vistrel::camsim
