#include "setup/site_survey.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace vistrel {

namespace {

// Indexed by the security code 0 … 8; an empty name falls back to the code in hexadecimal.
constexpr std::array<std::string_view, 9> kExtendedNames{
    kSecurityDisabled, kSecurityWep,   kSecurityWep,    "WPAPSK(TKIP)", "WPAPSK(AES)",
    "WPA2PSK(TKIP)",   "WPA2PSK(AES)", "WPANone(TKIP)", "WPANone(AES)"};
constexpr std::array<std::string_view, 9> kBasicNames{
    kSecurityDisabled, kSecurityWep, "", "WPAPSK(TKIP)", "WPA2PSK(AES)", "",
    "WPA2PSK(AES)",    "",           ""};

std::string hexadecimalCode(std::uint8_t code) {
    std::array<char, 4> text{};
    std::snprintf(text.data(), text.size(), "%X", static_cast<unsigned>(code));
    return text.data();
}

bool contains(const std::vector<std::string>& ssids, const std::string& ssid) {
    return std::ranges::find(ssids, ssid) != ssids.end();
}

} // namespace

std::string securityName(std::uint8_t code, bool extendedSecurityModes) {
    const auto& names = extendedSecurityModes ? kExtendedNames : kBasicNames;
    if (code < names.size() && !names[code].empty()) {
        return std::string(names[code]);
    }
    return hexadecimalCode(code);
}

std::vector<SurveyRow> surveyRowsToAdd(const std::vector<std::string>& listedSsids,
                                       const std::vector<SiteSurveyEntry>& entries,
                                       bool extendedSecurityModes) {
    std::vector<std::string> seen = listedSsids;
    std::vector<SurveyRow> rows;
    for (const SiteSurveyEntry& entry : entries) {
        if (contains(seen, entry.ssid)) {
            continue;
        }
        seen.push_back(entry.ssid);
        rows.push_back({entry.ssid, std::to_string(entry.signal),
                        securityName(entry.security, extendedSecurityModes),
                        std::to_string(entry.channel)});
    }
    return rows;
}

} // namespace vistrel
