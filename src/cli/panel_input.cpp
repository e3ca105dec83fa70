#include "cli/panel_input.h"

#include "config/key_filters.h"
#include "config/lan_check.h"
#include "config/panel_addresses.h"
#include "config/warning_keys.h"

#include <QString>

namespace vistrel {

namespace {

constexpr std::string_view kAsciiOnly = "The camera name can hold printable ASCII characters only.";

CheckResult refuse(std::string_view key) {
    return CheckResult::refuse(Warning::key(key));
}

void typeAddresses(CameraConfiguration& config, const ConfigureChanges& changes) {
    if (changes.dhcp) {
        config.addressChoice.RadioButton_T2_DHCPClick();
        return;
    }
    if (!changes.changesAddress()) {
        return; // the camera's own choice stays
    }
    config.addressChoice.RadioButton_T2_IPClick();
    const std::pair<AddressGroup, const std::optional<std::string>&> given[] = {
        {AddressGroup::Ip, changes.ip},
        {AddressGroup::Netmask, changes.netmask},
        {AddressGroup::Gateway, changes.gateway},
        {AddressGroup::Dns, changes.dns}};
    for (const auto& [group, text] : given) {
        if (text) {
            typeDottedAddress(config.panel, group, *text);
        }
    }
}

// Check_WebPort_Press for every digit: no other character, and no digit after a leading zero.
CheckResult typeWebPort(CameraConfiguration& config, const std::string& port) {
    EditControl& field = config.panel.MEMO_SETTING_WebPort_EDIT;
    std::string typed;
    for (const char c : port) {
        if (!Check_WebPort_Press(static_cast<unsigned char>(c), typed, false).accepted) {
            return refuse(warning_keys::kWebPortRange);
        }
        typed += c;
    }
    if (characterCount(typed) > field.maxLength) {
        return refuse(warning_keys::kWebPortRange);
    }
    field.text = typed;
    // The window disables the port of a camera on DHCP; the command line may change it.
    return config.addressChoice.wizardChoosesDhcp() ? Check_Web_Port(config) : CheckResult::pass();
}

// Check_CameraName_Press for every character; a character above 127 is refused like any
// other outside printable ASCII.
CheckResult typeName(CameraConfiguration& config, const std::string& name) {
    EditControl& field = config.panel.STATIC_SETTING_CAMERANAME_EDIT;
    if (characterCount(name) > field.maxLength) {
        return refuse(warning_keys::kCameraNameTooLong);
    }
    for (const char c : name) {
        const KeyPressDecision decision =
            Check_CameraName_Press(static_cast<unsigned char>(c), config.camera.xmlMode);
        if (!decision.accepted) {
            return CheckResult::refuse(decision.warning.value_or(Warning::fixedText(kAsciiOnly)));
        }
    }
    field.text = name;
    return CheckResult::pass();
}

} // namespace

int characterCount(std::string_view text) {
    return static_cast<int>(
        QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())).size());
}

InputResult typeChanges(CameraConfiguration& config, const ConfigureChanges& changes) {
    typeAddresses(config, changes);
    if (changes.webPort) {
        if (CheckResult result = typeWebPort(config, *changes.webPort); !result.passed()) {
            return {std::move(result), "--port"};
        }
    }
    if (changes.name) {
        if (CheckResult result = typeName(config, *changes.name); !result.passed()) {
            return {std::move(result), "--name"};
        }
    }
    return {};
}

CheckResult typeNewPassword(SettingsPanel& panel, const SecretText& password,
                            const SecretText& confirmation) {
    if (password.empty()) {
        return refuse(warning_keys::kPasswordTooShort);
    }
    const int limit = panel.STATIC_SETTING_NEWPASSWORD_EDIT.maxLength;
    if (characterCount(password.text()) > limit || characterCount(confirmation.text()) > limit) {
        return refuse(warning_keys::kPasswordTooLong);
    }
    panel.STATIC_SETTING_NEWPASSWORD_EDIT.text = password.text();
    panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT.text = confirmation.text();
    return CheckResult::pass();
}

} // namespace vistrel
