#include "config/panel_addresses.h"

#include "config/decimal_text.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vistrel {

namespace {

constexpr std::size_t kPaddedOctetWidth = 3; // "%3d", then a dot

std::string paddedOctetAt(std::string_view text, std::size_t index) {
    const std::size_t offset = index * (kPaddedOctetWidth + 1);
    if (offset >= text.size()) {
        return {};
    }
    std::string_view group = text.substr(offset, kPaddedOctetWidth);
    group.remove_prefix(std::min(group.size(), group.find_first_not_of(' ')));
    const auto value = digitsValue(group);
    return value ? std::to_string(*value) : std::string();
}

std::vector<std::string_view> dottedPieces(std::string_view text) {
    std::vector<std::string_view> pieces;
    while (!text.empty() && pieces.size() < 4) {
        const auto start = text.find_first_not_of('.');
        if (start == std::string_view::npos) {
            break;
        }
        text.remove_prefix(start);
        const auto end = text.find('.');
        pieces.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end);
    }
    return pieces;
}

void putAddress(SettingsPanel& panel, AddressGroup group, std::string_view text) {
    const auto fields = panel.octetFields(group);
    const auto pieces = dottedPieces(text);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        fields[i]->text = std::to_string(leadingInteger(pieces[i]));
    }
}

} // namespace

void typeDottedAddress(SettingsPanel& panel, AddressGroup group, std::string_view dotted) {
    const auto fields = panel.octetFields(group);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const bool last = i + 1 == fields.size();
        const auto dot = last ? std::string_view::npos : dotted.find('.');
        fields[i]->text = std::string(dotted.substr(0, dot));
        dotted.remove_prefix(dot == std::string_view::npos ? dotted.size() : dot + 1);
    }
}

void fillAddressFields(SettingsPanel& panel, AddressGroup group, std::string_view paddedText) {
    const auto fields = panel.octetFields(group);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i]->text = paddedOctetAt(paddedText, i);
    }
}

void PutAddressesInPanel(SettingsPanel& panel, std::string_view ip, std::string_view netmask,
                         std::string_view gateway, std::string_view dns) {
    putAddress(panel, AddressGroup::Ip, ip);
    putAddress(panel, AddressGroup::Netmask, netmask);
    putAddress(panel, AddressGroup::Gateway, gateway);
    putAddress(panel, AddressGroup::Dns, dns);
}

} // namespace vistrel
