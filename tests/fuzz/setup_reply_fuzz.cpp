// Feeds arbitrary datagrams as the selected camera's replies to the first set-up: site-survey
// answers go into the wizard's network list, status replies into the DHCP wait and the
// wizard's flags, a wireless record into the wizard's state. Aborts when the list gains a
// network it already shows or a row that is not one of the answer's networks.

#include "protocol/address_text.h"
#include "protocol/admin_datagram.h"
#include "protocol/reply_dispatcher.h"
#include "setup/dhcp_wait.h"
#include "setup/site_survey.h"
#include "setup/status_replies.h"
#include "setup/wizard_state.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace vistrel;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

class SetupReplies : public ReplyHandler {
public:
    explicit SetupReplies(bool extendedSecurityModes) : extended_(extendedSecurityModes) {
        dhcpWait_.start("0123456789abcdef0123456789abcdef");
    }

    void onSiteSurveyReply(const std::vector<SiteSurveyEntry>& entries) override {
        for (const SurveyRow& row : surveyRowsToAdd(listed_, entries, extended_)) {
            check(!contains(listed_, row.ssid));
            check(std::any_of(entries.begin(), entries.end(), [&](const SiteSurveyEntry& entry) {
                return entry.ssid == row.ssid;
            }));
            check(!row.encryption.empty() && !row.signal.empty() && !row.channel.empty());
            listed_.push_back(row.ssid);
        }
    }
    void onStatusReply(ReplyCode code, std::uint8_t status) override {
        applyStatusReply(code, status, dhcpWait_, wizard_);
        dhcpWait_.tick({});
    }
    void onWirelessRecordReply(const WirelessRecord& record) override {
        wizard_.WirelessRecord = record;
    }

private:
    bool extended_;
    std::vector<std::string> listed_;
    DhcpWait dhcpWait_;
    WizardState wizard_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Bytes datagram(data, size);
    const std::string selected = formatMacText(macOf(datagram));
    // The same answer twice: the second adds nothing the first listed.
    for (const bool extended : {false, true}) {
        SetupReplies replies(extended);
        decodeReply(datagram, selected, replies);
        decodeReply(datagram, selected, replies);
    }
    return 0;
}
