#include "cli/requested_settings.h"

#include "config/decimal_text.h"
#include "config/login_check.h"
#include "protocol/address_text.h"

namespace vistrel {

namespace {

std::string dottedOf(const SettingsPanel& panel, AddressGroup group) {
    std::string dotted;
    for (const EditControl* field : panel.octetFields(group)) {
        const auto octet = digitsValue(field->text);
        dotted += (dotted.empty() ? "" : ".") + std::to_string(octet.value_or(0));
    }
    return dotted;
}

void compare(std::vector<std::string>& differences, std::string_view what,
             const std::string& reported, const std::string& asked) {
    if (reported != asked) {
        differences.push_back(std::string(what) + " " + reported + " (asked " + asked + ")");
    }
}

} // namespace

RequestedSettings requestedSettingsOf(const CameraConfiguration& config) {
    const SettingsPanel& panel = config.panel;
    RequestedSettings asked;
    asked.dhcp = config.addressChoice.wizardChoosesDhcp();
    if (!asked.dhcp) {
        asked.ip = dottedOf(panel, AddressGroup::Ip);
        asked.netmask = dottedOf(panel, AddressGroup::Netmask);
        asked.gateway = dottedOf(panel, AddressGroup::Gateway);
        asked.dns = dottedOf(panel, AddressGroup::Dns);
    }
    asked.webPort = static_cast<int>(digitsValue(panel.MEMO_SETTING_WebPort_EDIT.text).value_or(0));
    asked.name = panel.STATIC_SETTING_CAMERANAME_EDIT.text;
    return asked;
}

std::vector<std::string> differencesFrom(const RequestedSettings& asked,
                                         CameraConfiguration& reported,
                                         std::string_view expectedPassword) {
    const TDeviceItem& camera = reported.camera;
    std::vector<std::string> differences;
    const auto dhcpText = [](bool dhcp) { return std::string(dhcp ? "on" : "off"); };
    compare(differences, "DHCP", dhcpText(camera.dhcpFlag != 0), dhcpText(asked.dhcp));
    if (!asked.dhcp) {
        compare(differences, "IP", removeBlanks(camera.ipText), asked.ip);
        compare(differences, "netmask", removeBlanks(camera.netmaskText), asked.netmask);
        compare(differences, "gateway", removeBlanks(camera.gatewayText), asked.gateway);
        compare(differences, "DNS", removeBlanks(camera.dnsText), asked.dns);
    }
    compare(differences, "web port", std::to_string(camera.webPort), std::to_string(asked.webPort));
    compare(differences, "name", camera.cameraName, asked.name);
    if (!checkLoginPassword(reported, expectedPassword).passed()) {
        differences.emplace_back("the password is not the one asked for");
    }
    return differences;
}

} // namespace vistrel
