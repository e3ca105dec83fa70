#include "camsim/camera_state.h"

#include "protocol/factory_defaults.h"
#include "protocol/password_digest.h"

#include <utility>

namespace vistrel::camsim {

namespace {

// Counts the request and tells whether the behaviour has turned positive by now.
bool readyAtThisRequest(const ReadyAfter& readyAfter, unsigned& requests) {
    const unsigned before = requests;
    if (requests < ~0u) {
        ++requests;
    }
    return readyAfter && before >= *readyAfter;
}

} // namespace

CameraState::CameraState(CameraDescription description)
    : description_(std::move(description)), settings_(description_.settings),
      setupFlagA_(description_.setupFlagA) {}

void CameraState::applySettings(CameraSettings settings) {
    settings_ = std::move(settings);
    linkRequests_ = 0;
}

void CameraState::markSetUp() {
    if (setupFlagA_ == 0) {
        setupFlagA_ = 1;
    }
}

void CameraState::startWps() {
    wpsRunning_ = true;
    wpsRequests_ = 0;
}

std::uint8_t CameraState::nextDhcpStatus() {
    return readyAtThisRequest(description_.statusReplies.dhcp, dhcpRequests_) ? kDhcpReady : 0;
}

std::uint8_t CameraState::nextLinkStatus() {
    return readyAtThisRequest(description_.statusReplies.link, linkRequests_) ? kLinkConfirmed : 0;
}

std::uint8_t CameraState::nextWpsStatus() {
    if (!wpsRunning_) {
        return 0;
    }
    return readyAtThisRequest(description_.statusReplies.wps, wpsRequests_) ? kWpsSucceeded
                                                                            : kWpsRunning;
}

std::string CameraState::passwordCredential() const {
    if (description_.passwordReport == PasswordReport::Digest) {
        return passwordDigestText(description_.mac, settings_.password);
    }
    return settings_.password;
}

bool CameraState::digestProvesPassword(std::string_view digestText,
                                       bool factoryPasswordAccepted) const {
    if (digestText.empty()) {
        return false;
    }
    if (digestText == passwordDigestText(description_.mac, settings_.password)) {
        return true;
    }
    return factoryPasswordAccepted &&
           digestText == passwordDigestText(description_.mac, kFactoryAdminPassword);
}

} // namespace vistrel::camsim
