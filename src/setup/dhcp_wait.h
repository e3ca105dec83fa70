#pragma once
// The wait of a new camera for its DHCP address (GetDhcp_TimerTimer's camera part): one tick a
// second decides from the password the camera reported whether to ask for its DHCP status, open
// the wizard's page 1, fall back to the fixed-address page 9, or ask for the login.

#include <string>
#include <string_view>

namespace vistrel {

enum class DhcpWaitOutcome {
    Waiting,    // keep ticking
    Ready,      // the camera has its address: show page 1 and start its link test
    Failed,     // no address: page 9 with the camera's addresses and the "DHCP_Failed" message
    NeedsLogin, // the camera's password is not the factory one: open the login in set-up mode
};

struct DhcpWaitTick {
    bool sendStatusRequest = false; // send the 10-byte DHCP status request on this tick
    DhcpWaitOutcome outcome = DhcpWaitOutcome::Waiting;
};

class DhcpWait {
public:
    // Starts the wait for a camera whose factory password has the given digest text.
    void start(std::string defaultPasswordDigestText);
    // The camera's status reply says that it has obtained its address.
    void markReady() { ready_ = true; }
    // One second of the wait; reportedPassword is the password field of the camera's settings
    // reply (empty before it arrives). Once an outcome other than Waiting is returned, the wait
    // is over and further ticks do nothing.
    DhcpWaitTick tick(std::string_view reportedPassword);

    bool active() const { return active_; }
    // The camera reported the digest text of its factory password.
    bool digestVerified() const { return digestVerified_; }

private:
    DhcpWaitTick finish(DhcpWaitTick result);
    DhcpWaitTick tickWithDefaultPassword(bool reportsDigest);

    std::string defaultDigestText_;
    bool active_ = false;
    bool ready_ = false;
    bool digestVerified_ = false;
    int retries_ = 0;
    int passwordCheckTicks_ = 0;
};

} // namespace vistrel
