#pragma once
// The wizard's list of the wireless networks a camera sees, built from its site-survey answers:
// one row per network name, the first answer's row kept, and the security named by the list the
// camera's firmware offers.

#include "protocol/reply_layouts.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

// The names of the security modes in a survey row; other codes read as "%X".
inline constexpr std::string_view kSecurityDisabled = "Disabled";
inline constexpr std::string_view kSecurityWep = "WEP";

// One row of TntListView_T6: the SSID as caption, then Signal, Encryption and channel.
struct SurveyRow {
    std::string ssid;
    std::string signal;     // "%d"
    std::string encryption; // the security name
    std::string channel;    // "%d"

    bool operator==(const SurveyRow&) const = default;
};

// The name of a survey's security code in the extended list (the newer firmware) or the basic
// one; a code without a name in the list gives its upper-case hexadecimal form.
std::string securityName(std::uint8_t code, bool extendedSecurityModes);

// The rows a survey answer adds to a list that already shows listedSsids: the entries in their
// order, without those whose SSID is listed already or came earlier in the answer.
std::vector<SurveyRow> surveyRowsToAdd(const std::vector<std::string>& listedSsids,
                                       const std::vector<SiteSurveyEntry>& entries,
                                       bool extendedSecurityModes);

} // namespace vistrel
