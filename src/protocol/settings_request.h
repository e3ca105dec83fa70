#pragma once
// The settings request: one camera's complete new configuration, as the compressed XML
// document (command 0x0022) or as a framed fixed-layout record (command 0x0003).

#include "protocol/address_text.h"
#include "protocol/camera_records.h"
#include "protocol/settings_records.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

// The settings panel's texts that go into the document, already in 8-bit form.
struct SettingsPanelTexts {
    std::string cameraName; // STATIC_SETTING_CAMERANAME_EDIT
    std::string ssid;       // MEMO_SETTING_SSID_EDIT
    std::string wepKey;     // MEMO_SETTING_EDIT_WEP
    std::string wpaKey;     // MEMO_SETTING_EDIT_WPA
    std::string webPort;    // MEMO_SETTING_WebPort_EDIT, sent as typed
};

// Replaces & ' > < " by their XML entities.
std::string escapeXmlText(std::string_view text);

// The 25-line settings document. The caller has stored the escaped SSID and keys in wlan.
std::string composeSettingsDocument(const ShortSettingsRecord& shortRecord,
                                    const TDeviceItem& camera, const WlanInfo& wlan,
                                    std::string_view escapedCameraName,
                                    std::string_view webPortText);

// Builds the XML settings datagram for the selected camera: escapes the panel's texts (storing
// the escaped SSID and keys in wlan), composes and compresses the document, and clears the short
// record's password field. nullopt, with nothing to send, when the camera's MAC text is not
// valid, the compressor fails or the datagram would not fit one UDP datagram.
std::optional<std::vector<std::uint8_t>> buildXmlSettingsDatagram(ShortSettingsRecord& shortRecord,
                                                                  const TDeviceItem& camera,
                                                                  WlanInfo& wlan,
                                                                  const SettingsPanelTexts& panel);

// Writes the header into the short record; the whole record is the datagram.
void frameShortSettingsRecord(ShortSettingsRecord& record, const MacAddress& mac);

// Writes the header and the digest text of the password into the long record. False, with the
// record unchanged, when the password is too long for the digest.
bool frameLongSettingsRecord(LongSettingsRecord& record, const MacAddress& mac,
                             std::string_view password);

} // namespace vistrel
