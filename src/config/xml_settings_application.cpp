// The XML form of the settings reply, element by element.

#include "config/decimal_text.h"
#include "config/settings_reply_application.h"
#include "config/wireless_tab.h"
#include "protocol/address_text.h"
#include "protocol/password_digest.h"

#include <optional>
#include <utility>

namespace vistrel {

namespace {

// What the finder reads the WPA key's form from: 8 to 63 characters are a passphrase, 64 or
// more hexadecimal digits.
constexpr std::size_t kShortestPassphrase = 8;
constexpr std::size_t kHexadecimalWpaKey = 64;

// An address element's text: up to four dot-separated octets; a missing part, or one that is
// not a number from 0 to 255, reads as 0, so the stored text always has the padded form.
std::string paddedAddressOf(std::string_view text) {
    Ipv4Address address{};
    for (std::size_t i = 0; i < address.size() && !text.empty(); ++i) {
        const auto dot = text.find('.');
        const auto octet = digitsValue(text.substr(0, dot));
        address[i] = octet && *octet <= 255 ? static_cast<std::uint8_t>(*octet) : 0;
        text.remove_prefix(dot == std::string_view::npos ? text.size() : dot + 1);
    }
    return formatIpText(address);
}

// Each element applies its text; a handler gives false when a numeric element's text is not a
// decimal number, which abandons the rest of the reply. Elements of other names are skipped.
using ElementHandler = bool (*)(CameraConfiguration&, const std::string&);
using NamedHandler = std::pair<std::string_view, ElementHandler>;

bool applyDhcp(CameraConfiguration& config, const std::string& text) {
    config.camera.dhcpFlag = text == "1" ? 1 : 0;
    return true;
}

template <std::string TDeviceItem::*Field>
bool applyAddress(CameraConfiguration& config, const std::string& text) {
    config.camera.*Field = paddedAddressOf(text);
    return true;
}

template <std::string TDeviceItem::*Field>
bool applyText(CameraConfiguration& config, const std::string& text) {
    config.camera.*Field = text;
    return true;
}

bool applyWebPort(CameraConfiguration& config, const std::string& text) {
    const auto port = decimalInteger(text);
    if (port) {
        config.camera.webPort = static_cast<std::uint16_t>(*port); // its low 16 bits
    }
    return port.has_value();
}

// Only the scrambled form is kept, with the camera it came from.
bool applyUserPassword(CameraConfiguration& config, const std::string& text) {
    config.credentials.scrambledPassword = scramblePassword(text);
    config.credentials.scrambledPasswordSourceMac = config.camera.macText;
    return true;
}

constexpr NamedHandler kOuterElements[] = {
    {"DHCP", applyDhcp},
    {"ip", applyAddress<&TDeviceItem::ipText>},
    {"netmask", applyAddress<&TDeviceItem::netmaskText>},
    {"gateway", applyAddress<&TDeviceItem::gatewayText>},
    {"dns1", applyAddress<&TDeviceItem::dnsText>},
    {"webPort", applyWebPort},
    {"cameraName", applyText<&TDeviceItem::cameraName>},
    {"userName", applyText<&TDeviceItem::userName>},
    {"userPassword", applyUserPassword},
};

template <std::size_t N>
bool applyNamed(const NamedHandler (&handlers)[N], CameraConfiguration& config,
                const SettingsElement& element) {
    for (const auto& [name, handler] : handlers) {
        if (name == element.name) {
            return handler(config, element.text); // names compare case-sensitively
        }
    }
    return true;
}

// The enable element switches the wireless tab on or off as the camera reports it.
void applyEnable(CameraConfiguration& config, const std::string& text) {
    SettingsPanel& panel = config.panel;
    config.wlan.enable = text;
    if (text == "0") {
        panel.setWirelessControlsEnabled(false);
        panel.Label_Wireless.enabled = true;
        panel.Label_Enable.enabled = true;
        panel.Label_Disable.enabled = true;
        panel.RadioButton_Enable.enabled = true;
        panel.RadioButton_Disable.enabled = true;
        checkWirelessRadio(panel, config.wlan, false);
    } else {
        panel.setWirelessControlsEnabled(true);
        checkWirelessRadio(panel, config.wlan, true);
    }
}

// ComboBox_SS item of an auth code: 0, 2, 3, 4 give None, WEP, WPAPSK, WPA2PSK.
std::optional<int> securityIndexOf(int auth) {
    switch (auth) {
    case 0:
        return kSecurityNone;
    case 2:
        return kSecurityWep;
    case 3:
        return kSecurityWpa;
    case 4:
        return kSecurityWpa2;
    default:
        return std::nullopt;
    }
}

// The wireless group. Numbers that select no item leave their list as it is.

bool applySsid(CameraConfiguration& config, const std::string& text) {
    if (text == "0") {
        config.panel.MEMO_SETTING_SSID_EDIT.text.clear();
    } else {
        config.panel.MEMO_SETTING_SSID_EDIT.text = text;
        config.wlan.ssid = text;
    }
    return true;
}

bool applyChannel(CameraConfiguration& config, const std::string& text) {
    const auto channel = decimalInteger(text);
    if (!channel) {
        return false;
    }
    config.panel.ComboBox_Channel.select(*channel);
    config.wlan.channel = text;
    return true;
}

bool applyAuth(CameraConfiguration& config, const std::string& text) {
    config.wlan.auth = text;
    const auto auth = decimalInteger(text);
    if (!auth) {
        return false;
    }
    if (const auto index = securityIndexOf(*auth)) {
        config.panel.ComboBox_SS.select(*index);
    }
    SS_Change(config.panel);
    return true;
}

bool applyEncryption(CameraConfiguration& config, const std::string& text) {
    config.wlan.encryption = text;
    const auto encryption = decimalInteger(text);
    if (!encryption) {
        return false;
    }
    if (*encryption == 2 || *encryption == 3) {
        config.panel.ComboBox_KeyType_WPA.select(*encryption - 2); // TKIP, AES
    }
    return true;
}

// The key's form goes into the wireless record and into the list the key check reads, so that
// a key the camera holds passes the check unchanged.
bool applyWpaKey(CameraConfiguration& config, const std::string& text) {
    config.wlan.wpakey = text;
    config.panel.MEMO_SETTING_EDIT_WPA.text = text == "0" ? std::string() : text;
    if (text.size() >= kHexadecimalWpaKey) {
        config.wlan.wpaKeyForm = "1";
        config.panel.ComboBox_KeyFormat_WPA.select(1);
    } else if (text.size() >= kShortestPassphrase) {
        config.wlan.wpaKeyForm = "0";
        config.panel.ComboBox_KeyFormat_WPA.select(0);
    }
    return true;
}

bool applyWepKey(CameraConfiguration& config, const std::string& text) {
    config.wlan.wepkey1 = text;
    config.panel.MEMO_SETTING_EDIT_WEP.text = text == "0" ? std::string() : text;
    return true;
}

bool applyWepKeyType(CameraConfiguration& config, const std::string& text) {
    config.wlan.wepkeytype = text;
    const auto type = decimalInteger(text);
    if (type) {
        config.panel.ComboBox_KeyFormat_WEP.select(*type); // hexadecimal, ASCII
    }
    return type.has_value();
}

bool applyWepKeySize(CameraConfiguration& config, const std::string& text) {
    config.wlan.wepkeysize = text;
    const auto size = decimalInteger(text);
    if (size) {
        config.panel.ComboBox_KeyType_WEP.select(*size); // 64, 128 bit
    }
    return size.has_value();
}

constexpr NamedHandler kWirelessElements[] = {
    {"ssid", applySsid},
    {"channel", applyChannel},
    {"auth", applyAuth},
    {"encryption", applyEncryption},
    {"wpakey", applyWpaKey},
    {"wepkey1", applyWepKey},
    {"wepkeytype", applyWepKeyType},
    {"wepkeysize", applyWepKeySize},
};

bool applyWirelessElement(CameraConfiguration& config, const SettingsElement& element) {
    if (element.name == "enable") {
        applyEnable(config, element.text);
    }
    config.wlan.mode = "1"; // every element of the group counts as infrastructure mode
    return applyNamed(kWirelessElements, config, element);
}

} // namespace

void applyXmlSettingsReply(CameraConfiguration& config, Bytes datagram) {
    config.panel.setWirelessControlsEnabled(true);
    config.camera.xmlMode = true;
    const auto reply = decodeXmlSettingsReply(datagram);
    if (!reply) {
        return;
    }
    for (const SettingsElement& element : reply->elements) {
        if (!applyNamed(kOuterElements, config, element)) {
            return;
        }
    }
    for (const SettingsElement& element : reply->wireless) {
        if (!applyWirelessElement(config, element)) {
            return;
        }
    }
}

} // namespace vistrel
