#include "config/lan_check.h"

#include "base/byte_layout.h"
#include "config/decimal_text.h"
#include "config/warning_keys.h"

#include <algorithm>

namespace vistrel {

namespace {

struct GroupWarnings {
    AddressGroup group;
    std::string_view incomplete;
    std::string_view outOfRange;
};

constexpr GroupWarnings kGroupWarnings[] = {
    {AddressGroup::Ip, warning_keys::kIpComplete, warning_keys::kIpRange},
    {AddressGroup::Netmask, warning_keys::kNetmaskComplete, warning_keys::kNetmaskRange},
    {AddressGroup::Gateway, warning_keys::kGatewayComplete, warning_keys::kGatewayRange},
    {AddressGroup::Dns, warning_keys::kDnsComplete, warning_keys::kDnsRange},
};

struct FixedAddresses {
    std::array<Ipv4Address, 4> groups{}; // in the order of AddressGroup
    std::uint16_t webPort = 0;

    const Ipv4Address& of(AddressGroup group) const {
        return groups[static_cast<std::size_t>(group)];
    }
};

// One group's four octets. Text that is not a number (it can only have been pasted) is out of
// range like a number above 255.
CheckResult readGroup(SettingsPanel& panel, const GroupWarnings& warnings, Ipv4Address& octets) {
    const auto fields = panel.octetFields(warnings.group);
    if (std::ranges::any_of(fields, [](const EditControl* f) { return f->text.empty(); })) {
        return CheckResult::refuse(Warning::key(warnings.incomplete));
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto value = digitsValue(fields[i]->text);
        if (!value || *value > 255 || (i == 0 && *value == 0)) {
            return CheckResult::refuse(Warning::key(warnings.outOfRange));
        }
        octets[i] = static_cast<std::uint8_t>(*value);
    }
    return CheckResult::pass();
}

CheckResult readWebPort(const EditControl& field, std::uint16_t& port) {
    if (field.text.empty()) {
        return CheckResult::refuse(Warning::key(warning_keys::kWebPortComplete));
    }
    const auto value = digitsValue(field.text);
    if (!value || *value < 1 || *value > 65535) {
        return CheckResult::refuse(Warning::key(warning_keys::kWebPortRange));
    }
    port = static_cast<std::uint16_t>(*value);
    return CheckResult::pass();
}

bool gatewayInSubnet(const Ipv4Address& ip, const Ipv4Address& netmask,
                     const Ipv4Address& gateway) {
    for (std::size_t i = 0; i < ip.size(); ++i) {
        if ((ip[i] & netmask[i]) != (gateway[i] & netmask[i])) {
            return false;
        }
    }
    return true;
}

template <std::size_t N>
void storeAddresses(std::array<std::uint8_t, N>& record, const SettingsRecordLayout& layout,
                    const FixedAddresses& a) {
    const std::size_t offsets[] = {layout.ip, layout.netmask, layout.gateway, layout.dns};
    for (std::size_t g = 0; g < a.groups.size(); ++g) {
        std::ranges::copy(a.groups[g], record.begin() + static_cast<std::ptrdiff_t>(offsets[g]));
    }
    writeBigEndian16(record, layout.webPort, a.webPort);
    record[layout.dhcpFlag] = 0;
}

} // namespace

bool isNetmaskShape(const Ipv4Address& netmask) {
    const auto firstNot255 = std::ranges::find_if(netmask, [](auto octet) { return octet != 255; });
    if (firstNot255 == netmask.end()) {
        return true;
    }
    constexpr std::uint8_t kPartialOctets[] = {0, 128, 192, 224, 240, 248, 252, 254};
    return std::ranges::find(kPartialOctets, *firstNot255) != std::end(kPartialOctets) &&
           std::all_of(firstNot255 + 1, netmask.end(), [](auto octet) { return octet == 0; });
}

CheckResult Check_Web_Port(CameraConfiguration& config) {
    std::uint16_t port = 0;
    if (auto result = readWebPort(config.panel.MEMO_SETTING_WebPort_EDIT, port); !result.passed()) {
        return result;
    }
    writeBigEndian16(config.shortRecord, kShortRecordLayout.webPort, port);
    writeBigEndian16(config.longRecord, kLongRecordLayout.webPort, port);
    return CheckResult::pass();
}

CheckResult Check_Lan_Settings(CameraConfiguration& config) {
    if (config.addressChoice.wizardChoosesDhcp()) {
        config.shortRecord[kShortRecordLayout.dhcpFlag] = 1;
        config.longRecord[kLongRecordLayout.dhcpFlag] = 1;
        return CheckResult::pass();
    }
    FixedAddresses addresses;
    for (std::size_t g = 0; g < std::size(kGroupWarnings); ++g) {
        if (auto result = readGroup(config.panel, kGroupWarnings[g], addresses.groups[g]);
            !result.passed()) {
            return result;
        }
    }
    if (auto result = readWebPort(config.panel.MEMO_SETTING_WebPort_EDIT, addresses.webPort);
        !result.passed()) {
        return result;
    }
    const Ipv4Address& netmask = addresses.of(AddressGroup::Netmask);
    if (!isNetmaskShape(netmask) || !gatewayInSubnet(addresses.of(AddressGroup::Ip), netmask,
                                                     addresses.of(AddressGroup::Gateway))) {
        return CheckResult::refuse(Warning::key(warning_keys::kNetmaskRange));
    }
    storeAddresses(config.shortRecord, kShortRecordLayout, addresses);
    storeAddresses(config.longRecord, kLongRecordLayout, addresses);
    return CheckResult::pass();
}

} // namespace vistrel
