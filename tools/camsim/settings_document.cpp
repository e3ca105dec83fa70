#include "camsim/settings_document.h"

#include "base/ascii_case.h"
#include "camsim/text_values.h"
#include "protocol/address_text.h"

#include <pugixml.hpp>
#include <sstream>

namespace vistrel::camsim {

namespace {

using Refusal = std::string; // empty when the element was taken

void addElement(pugi::xml_node parent, const char* name, const std::string& text) {
    parent.append_child(name).text().set(text.c_str());
}

void addWireless(pugi::xml_node root, const WirelessSettings& wireless) {
    pugi::xml_node group = root.append_child("wireless");
    addElement(group, "enable", wireless.enable);
    addElement(group, "mode", wireless.mode);
    addElement(group, "ssid", wireless.ssid);
    addElement(group, "channel", wireless.channel);
    addElement(group, "auth", wireless.auth);
    addElement(group, "encryption", wireless.encryption);
    addElement(group, "wpakey", wireless.wpakey);
    addElement(group, "wepkey1", wireless.wepkey1);
    addElement(group, "wepkeytype", wireless.wepkeytype);
    addElement(group, "wepkeysize", wireless.wepkeysize);
}

Refusal notValid(std::string_view name, std::string_view text) {
    return std::string(name) + " \"" + std::string(text) + "\" is not valid";
}

// The wireless group's elements: numbers within a range or texts within a length, all kept
// as their text.
struct WirelessElement {
    std::string_view name;
    std::string WirelessSettings::*slot;
    bool number;
    int minimum;
    int maximum; // for texts: the longest in bytes
};

constexpr WirelessElement kWirelessElements[] = {
    {"enable", &WirelessSettings::enable, true, 0, 1},
    {"mode", &WirelessSettings::mode, true, 0, 9},
    {"channel", &WirelessSettings::channel, true, 0, 14},
    {"auth", &WirelessSettings::auth, true, 0, 5},
    {"encryption", &WirelessSettings::encryption, true, 0, 3},
    {"wepkeytype", &WirelessSettings::wepkeytype, true, 0, 1},
    {"wepkeysize", &WirelessSettings::wepkeysize, true, 0, 1},
    {"ssid", &WirelessSettings::ssid, false, 0, 32},
    {"wpakey", &WirelessSettings::wpakey, false, 0, 64},
    {"wepkey1", &WirelessSettings::wepkey1, false, 0, 26},
};

Refusal takeWirelessElement(WirelessSettings& w, std::string_view name, std::string_view text) {
    for (const WirelessElement& element : kWirelessElements) {
        if (element.name != name) {
            continue;
        }
        if (element.number && !parseDecimal(text, element.minimum, element.maximum)) {
            return notValid(name, text);
        }
        if (!element.number && text.size() > static_cast<std::size_t>(element.maximum)) {
            return std::string(name) + " longer than " + std::to_string(element.maximum) + " bytes";
        }
        w.*element.slot = std::string(text);
    }
    return {};
}

Refusal takeWireless(SettingsChange& change, pugi::xml_node group,
                     const WirelessSettings& current) {
    WirelessSettings wireless = current;
    for (pugi::xml_node element : group.children()) {
        if (element.type() != pugi::node_element) {
            continue;
        }
        if (Refusal refusal = takeWirelessElement(wireless, element.name(), element.child_value());
            !refusal.empty()) {
            return refusal;
        }
    }
    change.wireless = wireless;
    return {};
}

Refusal takeAddress(std::optional<Ipv4Address>& slot, std::string_view name,
                    std::string_view text) {
    slot = parseDottedDecimal(text);
    return slot ? Refusal() : notValid(name, text);
}

Refusal takeElement(SettingsChange& change, std::string_view name, std::string_view text,
                    std::string_view macText) {
    if (name == "DHCP") {
        const auto flag = parseDecimal(text, 0, 1);
        change.dhcp = flag.value_or(0) == 1;
        return flag ? Refusal() : notValid(name, text);
    }
    if (name == "ip") {
        return takeAddress(change.ip, name, text);
    }
    if (name == "netmask") {
        return takeAddress(change.netmask, name, text);
    }
    if (name == "gateway") {
        return takeAddress(change.gateway, name, text);
    }
    if (name == "dns1") {
        return takeAddress(change.dns, name, text);
    }
    if (name == "webPort") {
        const auto port = parseDecimal(text, 1, 65535);
        change.webPort = static_cast<std::uint16_t>(port.value_or(0));
        return port ? Refusal() : notValid(name, text);
    }
    if (name == "mac") {
        return equalIgnoringAsciiCase(text, macText) ? Refusal() : notValid(name, text);
    }
    if (name == "cameraName") {
        change.name = std::string(text);
    } else if (name == "userName") {
        change.userName = std::string(text);
    } else if (name == "userPassword" && !text.empty()) {
        change.password = std::string(text); // an empty password keeps the current one
    }
    return {};
}

} // namespace

std::string composeReplyDocument(const CameraState& camera) {
    const CameraSettings& s = camera.settings();
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("adminBCB");
    addElement(root, "protocolVersion", "1");
    addElement(root, "DHCP", s.dhcp ? "1" : "0");
    addElement(root, "ip", formatDottedDecimal(s.ip));
    addElement(root, "netmask", formatDottedDecimal(s.netmask));
    addElement(root, "gateway", formatDottedDecimal(s.gateway));
    addElement(root, "dns1", formatDottedDecimal(s.dns));
    addElement(root, "webPort", std::to_string(s.webPort));
    addElement(root, "mac", camera.macText());
    addElement(root, "cameraName", s.name);
    addElement(root, "userName", s.userName);
    addElement(root, "userPassword", s.password);
    addElement(root, "firmwareVersion", camera.description().firmwareVersion);
    addWireless(root, s.wireless);

    std::ostringstream text;
    document.save(text, "",
                  pugi::format_raw | pugi::format_no_declaration |
                      pugi::format_no_empty_element_tags,
                  pugi::encoding_utf8);
    return text.str();
}

Checked<SettingsChange> settingsChangeOfDocument(std::string_view document,
                                                 std::string_view cameraMacText,
                                                 const WirelessSettings& currentWireless) {
    pugi::xml_document parsed;
    const pugi::xml_parse_result result = parsed.load_buffer(
        document.data(), document.size(), pugi::parse_default, pugi::encoding_utf8);
    const pugi::xml_node root = parsed.document_element();
    if (!result || !root) {
        return Checked<SettingsChange>::refused(
            std::string("not an XML document: ") +
            (result ? "no root element" : result.description()));
    }
    SettingsChange change;
    for (pugi::xml_node element : root.children()) {
        if (element.type() != pugi::node_element) {
            continue;
        }
        const std::string_view name = element.name();
        Refusal refusal = name == "wireless"
                              ? takeWireless(change, element, currentWireless)
                              : takeElement(change, name, element.child_value(), cameraMacText);
        if (!refusal.empty()) {
            return Checked<SettingsChange>::refused(refusal);
        }
    }
    return change;
}

} // namespace vistrel::camsim
