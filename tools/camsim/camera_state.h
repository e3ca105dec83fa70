#pragma once
// One simulated camera while it runs: its description, its current settings, its set-up flag
// and the counters behind its status replies.

#include "camsim/camera_description.h"
#include "camsim/pan_tilt.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vistrel::camsim {

// Status bytes the finder acts on.
inline constexpr std::uint8_t kDhcpReady = 1;
inline constexpr std::uint8_t kLinkConfirmed = 1;
inline constexpr std::uint8_t kWpsRunning = 1;
inline constexpr std::uint8_t kWpsSucceeded = 2;

class CameraState {
public:
    explicit CameraState(CameraDescription description);

    const CameraDescription& description() const { return description_; }
    const MacAddress& mac() const { return description_.mac; }
    std::string macText() const { return formatMacText(description_.mac); }
    const CameraSettings& settings() const { return settings_; }
    std::uint8_t setupFlagA() const { return setupFlagA_; }

    // Replaces the settings after an accepted write; the link test counts from the start again,
    // as the camera has to bring its link up anew.
    void applySettings(CameraSettings settings);
    void markSetUp();
    void startWps();

    // The status byte of the next reply; each call counts one request.
    std::uint8_t nextDhcpStatus();
    std::uint8_t nextLinkStatus();
    std::uint8_t nextWpsStatus();

    // What a fixed-layout settings reply reports as the password: the password itself or its
    // digest text, as the description says.
    std::string passwordCredential() const;

    // True when the digest text is that of the current password, or of the factory password
    // where the request may prove that one instead.
    bool digestProvesPassword(std::string_view digestText, bool factoryPasswordAccepted) const;

    ViewPosition& view() { return view_; }
    const ViewPosition& view() const { return view_; }

private:
    CameraDescription description_;
    CameraSettings settings_;
    std::uint8_t setupFlagA_;
    unsigned dhcpRequests_ = 0;
    unsigned linkRequests_ = 0;
    unsigned wpsRequests_ = 0;
    bool wpsRunning_ = false;
    ViewPosition view_;
};

} // namespace vistrel::camsim
