#include "setup/status_replies.h"

namespace vistrel {

namespace {

constexpr std::uint8_t kLinkConfirmed = 1;
constexpr std::uint8_t kWpsSucceeded = 2;

} // namespace

void applyStatusReply(ReplyCode code, std::uint8_t status, DhcpWait& dhcpWait,
                      WizardState& wizard) {
    switch (code) {
    case ReplyCode::DhcpStatus:
        if (status != 0) {
            dhcpWait.markReady();
        }
        return;
    case ReplyCode::LinkStatus:
        if (status == kLinkConfirmed) {
            wizard.LinkConfirmed = true;
            wizard.CloudConfirmed = true;
            wizard.ManualConfirmed = true;
        }
        return;
    case ReplyCode::WpsStatus:
        if (status == kWpsSucceeded) {
            wizard.WpsConfirmed = true;
        }
        return;
    default:
        return;
    }
}

} // namespace vistrel
