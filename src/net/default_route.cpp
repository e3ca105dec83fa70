#include "net/default_route.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace vistrel::net {

namespace {

constexpr unsigned kRouteUp = 0x0001; // RTF_UP

// ARPHRD_* hardware types of links that carry IP without Ethernet framing.
constexpr std::array<std::string_view, 9> kTunnelTypes{
    "65534", // ARPHRD_NONE: tun, WireGuard
    "512",   // ARPHRD_PPP
    "768",   // ARPHRD_TUNNEL: IP in IP
    "769",   // ARPHRD_TUNNEL6
    "776",   // ARPHRD_SIT
    "778",   // ARPHRD_IPGRE
    "823",   // ARPHRD_IP6GRE
    "65533", // ARPHRD_VOID
    "519",   // ARPHRD_RAWIP
};

// Name beginnings of VPN and tunnel interfaces, for when sysfs does not tell.
constexpr std::array<std::string_view, 11> kTunnelNames{
    "tun", "tap", "wg", "ppp", "vpn", "ipsec", "utun", "tailscale", "zt", "nordlynx", "proton"};

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::string trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

std::optional<unsigned> numberOf(std::string_view text, int base) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::string devtypeOf(std::string_view uevent) {
    std::istringstream lines{std::string(uevent)};
    std::string line;
    while (std::getline(lines, line)) {
        if (line.starts_with("DEVTYPE=")) {
            return line.substr(8);
        }
    }
    return {};
}

template <std::size_t N>
bool startsWithAny(std::string_view text, const std::array<std::string_view, N>& prefixes) {
    for (const std::string_view prefix : prefixes) {
        if (text.starts_with(prefix)) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<std::string> defaultRouteInterface(std::string_view procNetRoute) {
    std::istringstream lines{std::string(procNetRoute)};
    std::string line;
    std::getline(lines, line); // Iface Destination Gateway Flags RefCnt Use Metric Mask ...
    std::optional<std::string> best;
    int bestPrefix = -1;
    unsigned bestMetric = 0;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::vector<std::string> columns{std::istream_iterator<std::string>(fields), {}};
        if (columns.size() < 8) {
            continue;
        }
        // Flags and mask are hexadecimal, the metric decimal.
        const std::optional<unsigned> flags = numberOf(columns[3], 16);
        const std::optional<unsigned> metric = numberOf(columns[6], 10);
        const std::optional<unsigned> mask = numberOf(columns[7], 16);
        if (!flags || !metric || !mask || (*flags & kRouteUp) == 0) {
            continue;
        }
        // The kernel prints the mask in network byte order read as a number: counting its bits
        // gives the prefix length whatever the byte order.
        const int prefix = std::popcount(*mask);
        if (prefix > 1) {
            continue;
        }
        if (prefix > bestPrefix || (prefix == bestPrefix && *metric < bestMetric)) {
            best = columns[0];
            bestPrefix = prefix;
            bestMetric = *metric;
        }
    }
    return best;
}

InterfaceKind interfaceKindOf(std::string_view name, const InterfaceSysfs& sysfs) {
    const std::string devtype = devtypeOf(sysfs.uevent);
    const std::string type = trimmed(sysfs.type);
    if (name == "lo" || type == "772") { // ARPHRD_LOOPBACK
        return InterfaceKind::Loopback;
    }
    if (sysfs.hasTunFlags || devtype == "wireguard" || devtype == "ppp" ||
        std::ranges::find(kTunnelTypes, type) != kTunnelTypes.end()) {
        return InterfaceKind::Tunnel;
    }
    if (devtype == "wlan" || sysfs.hasWirelessDirectory) {
        return InterfaceKind::Wireless;
    }
    if (devtype == "bridge") {
        return InterfaceKind::Bridge;
    }
    if (startsWithAny(name, kTunnelNames)) {
        return InterfaceKind::Tunnel;
    }
    if (type == "1") { // ARPHRD_ETHER
        return InterfaceKind::Ethernet;
    }
    return InterfaceKind::Other;
}

std::optional<DefaultRoute> readDefaultRoute() {
    namespace fs = std::filesystem;
    const std::optional<std::string> name = defaultRouteInterface(readFile("/proc/net/route"));
    if (!name) {
        return std::nullopt;
    }
    const fs::path directory = fs::path("/sys/class/net") / *name;
    std::error_code error;
    InterfaceSysfs sysfs;
    sysfs.type = readFile(directory / "type");
    sysfs.uevent = readFile(directory / "uevent");
    sysfs.hasTunFlags = fs::exists(directory / "tun_flags", error);
    sysfs.hasWirelessDirectory = fs::exists(directory / "wireless", error);
    return DefaultRoute{*name, interfaceKindOf(*name, sysfs)};
}

} // namespace vistrel::net
