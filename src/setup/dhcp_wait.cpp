#include "setup/dhcp_wait.h"

#include "base/ascii_case.h"
#include "protocol/factory_defaults.h"

#include <utility>

namespace vistrel {

namespace {

constexpr int kStatusRequests = 4;

} // namespace

void DhcpWait::start(std::string defaultPasswordDigestText) {
    defaultDigestText_ = std::move(defaultPasswordDigestText);
    active_ = true;
    ready_ = false;
    digestVerified_ = false;
    retries_ = kStatusRequests - 1;
    passwordCheckTicks_ = 1;
}

DhcpWaitTick DhcpWait::tick(std::string_view reportedPassword) {
    if (!active_) {
        return {};
    }
    const bool reportsDigest =
        !defaultDigestText_.empty() && equalIgnoringAsciiCase(reportedPassword, defaultDigestText_);
    const bool isDefault =
        reportsDigest || equalIgnoringAsciiCase(reportedPassword, kFactoryAdminPassword);
    if (isDefault && passwordCheckTicks_ > 0) {
        return tickWithDefaultPassword(reportsDigest);
    }
    --passwordCheckTicks_;
    if (passwordCheckTicks_ < 0) {
        // A password other than the digest text needs the login. The digest text reported only
        // after the first tick would otherwise leave the wait running forever with no sign, so
        // it ends as a wait without an address does.
        return finish(
            {false, reportsDigest ? DhcpWaitOutcome::Failed : DhcpWaitOutcome::NeedsLogin});
    }
    return {};
}

DhcpWaitTick DhcpWait::tickWithDefaultPassword(bool reportsDigest) {
    if (reportsDigest) {
        digestVerified_ = true;
    }
    if (ready_ && retries_ > 0) {
        return finish({false, DhcpWaitOutcome::Ready});
    }
    if (ready_) {
        // The address came too late to open page 1 (the retries are spent); asking again would
        // repeat forever, so the wait ends as a wait without an address does.
        return finish({false, DhcpWaitOutcome::Failed});
    }
    DhcpWaitTick result{true, DhcpWaitOutcome::Waiting};
    --retries_;
    if (retries_ < 0) {
        return finish({true, DhcpWaitOutcome::Failed});
    }
    return result;
}

DhcpWaitTick DhcpWait::finish(DhcpWaitTick result) {
    active_ = false;
    return result;
}

} // namespace vistrel
