#include "setup/wireless_request.h"

#include "base/byte_layout.h"
#include "config/warning_keys.h"
#include "localization/language_keys.h"
#include "protocol/hex_digit.h"
#include "setup/site_survey.h"

#include <algorithm>
#include <array>

namespace vistrel {

namespace {

enum SecurityMode : std::uint8_t { kModeOpen = 0, kModeWep = 1 };

constexpr std::size_t kShortestPreSharedKey = 8;
constexpr std::size_t kLongestPreSharedKey = 64;

struct NamedSecurity {
    std::string_view name;
    SecurityBytes extended;
    SecurityBytes basic;
};

// Mode 3 WPA-PSK, 4 WPA2-PSK, 5 WPA-None; cipher 3 TKIP, 4 AES.
constexpr std::array<NamedSecurity, 6> kSecurityTable{{
    {"WPAPSK(TKIP)", {3, 3}, {3, 3}},
    {"WPAPSK(AES)", {3, 4}, {0, 0}},
    {"WPA2PSK(TKIP)", {4, 3}, {3, 3}},
    {"WPA2PSK(AES)", {4, 4}, {4, 4}},
    {"WPANone(TKIP)", {5, 3}, {0, 0}},
    {"WPANone(AES)", {5, 4}, {0, 0}},
}};

// WEP keys: 5 or 13 characters, or 10 or 26 hexadecimal digits (not checked as such). The
// cipher tells 64-bit (1) from 128-bit (2) keys, the format characters (0) from digits (1).
struct WepBytes {
    std::uint8_t cipher;
    std::uint8_t format;
};
std::optional<WepBytes> wepCipherAndFormat(std::size_t keyLength) {
    switch (keyLength) {
    case 5:
        return WepBytes{1, 0};
    case 10:
        return WepBytes{1, 1};
    case 13:
        return WepBytes{2, 0};
    case 26:
        return WepBytes{2, 1};
    default:
        return std::nullopt;
    }
}

WirelessRequest refuse(std::string_view key) {
    return {std::string(key), {}};
}

// Security bytes and key of the choice into the record; false when the key's length does not fit.
bool writeSecurity(WirelessRecord& record, const std::string& name, const std::string& key,
                   bool extendedSecurityModes) {
    if (name == kSecurityDisabled) {
        return true; // mode and cipher 0
    }
    if (name == kSecurityWep) {
        const auto wep = wepCipherAndFormat(key.size());
        if (!wep) {
            return false;
        }
        record[kWirelessMode] = kModeWep;
        record[kWirelessCipher] = wep->cipher;
        record[kWirelessKeyFormat] = wep->format;
        writeText(record, kWirelessWepKey, kWirelessWepKeySlotSize, key);
        return true;
    }
    const SecurityBytes security = securityBytesOf(name, extendedSecurityModes);
    if (key.size() < kShortestPreSharedKey || key.size() > kLongestPreSharedKey) {
        return false;
    }
    record[kWirelessMode] = security.mode;
    record[kWirelessCipher] = security.cipher;
    writeText(record, kWirelessPreSharedKey, kWirelessPreSharedKeySize, key);
    return true;
}

} // namespace

SecurityBytes securityBytesOf(std::string_view securityName, bool extendedSecurityModes) {
    const auto* found = std::ranges::find(kSecurityTable, securityName, &NamedSecurity::name);
    if (found == kSecurityTable.end()) {
        return {};
    }
    return extendedSecurityModes ? found->extended : found->basic;
}

std::uint8_t channelByteOf(std::string_view channelText) {
    unsigned value = 0;
    for (const char c : channelText) {
        const int digit = hexDigitValue(c);
        if (digit < 0) {
            break;
        }
        value = (value << 4U) | static_cast<unsigned>(digit);
    }
    return static_cast<std::uint8_t>(value & 0xFFU);
}

WirelessRequest buildWirelessRequest(const WirelessChoice& choice, bool extendedSecurityModes,
                                     std::string_view defaultDigestText,
                                     const Request<kWirelessRecordSize>& header) {
    if (choice.ssid.empty() || !choice.encryption) {
        return refuse(language_keys::kSelectAWirelessNetwork);
    }
    const std::string& name = *choice.encryption;
    if (choice.key.empty() && name != kSecurityDisabled) {
        return refuse(warning_keys::kKeyLength);
    }
    WirelessRequest request;
    WirelessRecord& record = request.record;
    std::copy_n(header.begin(), kHeaderSize, record.begin());
    // At most 32 characters, so that the SSID always ends with a zero byte.
    writeText(record, kWirelessSsid, kWirelessSsidSize - 1, choice.ssid);
    record[kWirelessChannel] = channelByteOf(choice.channel);
    if (!writeSecurity(record, name, choice.key, extendedSecurityModes)) {
        return refuse(warning_keys::kKeyLength);
    }
    record[kWirelessFixedTwo] = 2;
    writeText(record, kWirelessDigestText, kDigestTextFieldSize, defaultDigestText);
    return request;
}

std::vector<std::uint8_t> wpsStartRequest(RequestTemplates& templates,
                                          std::string_view defaultDigestText) {
    templates.setAuthenticationText(defaultDigestText);
    return {templates.WpsStartHeader.begin(), templates.WpsStartHeader.end()};
}

} // namespace vistrel
