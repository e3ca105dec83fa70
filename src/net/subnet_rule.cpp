#include "net/subnet_rule.h"

#include <algorithm>

namespace vistrel::net {

namespace {

// The prefix's mask; a shift by 32 would be undefined, hence the test for /0.
std::uint32_t maskOf(int prefixLength) {
    const int bits = std::clamp(prefixLength, 0, 32);
    return bits == 0 ? 0u : ~std::uint32_t{0} << (32 - bits);
}

bool isWiderThanHost(const InterfaceAddress& subnet) {
    return subnet.prefixLength < 32;
}

} // namespace

std::uint32_t toHostOrder(const Ipv4Address& address) {
    return std::uint32_t{address[0]} << 24 | std::uint32_t{address[1]} << 16 |
           std::uint32_t{address[2]} << 8 | address[3];
}

Ipv4Address fromHostOrder(std::uint32_t address) {
    return {static_cast<std::uint8_t>(address >> 24), static_cast<std::uint8_t>(address >> 16),
            static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address)};
}

InterfaceAddress networkOf(const InterfaceAddress& address) {
    const std::uint32_t mask = maskOf(address.prefixLength);
    return {fromHostOrder(toHostOrder(address.address) & mask),
            std::clamp(address.prefixLength, 0, 32)};
}

bool isHostOfSubnet(const Ipv4Address& address, const InterfaceAddress& subnet) {
    const std::uint32_t mask = maskOf(subnet.prefixLength);
    const std::uint32_t value = toHostOrder(address);
    if ((value & mask) != (toHostOrder(subnet.address) & mask)) {
        return false;
    }
    if (subnet.prefixLength >= 31) {
        return true;
    }
    const std::uint32_t hostPart = value & ~mask;
    return hostPart != 0 && hostPart != ~mask;
}

bool outsideItsNetwork(const Ipv4Address& camera, const std::vector<InterfaceAddress>& subnets) {
    if (toHostOrder(camera) == 0 || !std::ranges::any_of(subnets, isWiderThanHost)) {
        return false;
    }
    return std::ranges::none_of(subnets, [&camera](const InterfaceAddress& subnet) {
        return isWiderThanHost(subnet) && isHostOfSubnet(camera, subnet);
    });
}

std::string networksText(const std::vector<InterfaceAddress>& subnets) {
    std::vector<InterfaceAddress> networks;
    for (const InterfaceAddress& subnet : subnets) {
        const InterfaceAddress network = networkOf(subnet);
        if (isWiderThanHost(network) && std::ranges::find(networks, network) == networks.end()) {
            networks.push_back(network);
        }
    }
    std::string text;
    for (const InterfaceAddress& network : networks) {
        text += (text.empty() ? "" : ", ") + formatInterfaceAddress(network);
    }
    return text;
}

} // namespace vistrel::net
