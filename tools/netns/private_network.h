#pragma once
// Whether this process runs in a private network namespace that our scripts make, so that a
// broadcast cannot leave the machine. Programs and tests that would otherwise broadcast on the
// user's network check it first. Such a namespace holds only devices of ours: loopback, the
// black hole camnull0 of scripts/netns, and the vst- devices of scripts/lans (the veth pairs
// vst-lan-X and vst-lan-X-sw, the bridge br-vst-0). The host always has a device of its own
// (its uplink), so it never passes.

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace vistrel {

inline bool isPrivateNetworkDevice(std::string_view name) {
    return name == "lo" || name.starts_with("camnull") || name.starts_with("vst-") ||
           name.starts_with("br-vst-");
}

// The decision over the text of /proc/net/dev: two heading lines, then one line per device,
// "  name: counters...". True when loopback is there and every device is one of ours.
inline bool onlyPrivateNetworkDevices(std::string_view procNetDev) {
    bool loopbackSeen = false;
    int lineNumber = 0;
    while (!procNetDev.empty()) {
        const std::size_t end = procNetDev.find('\n');
        std::string_view line = procNetDev.substr(0, end);
        procNetDev.remove_prefix(end == std::string_view::npos ? procNetDev.size() : end + 1);
        if (++lineNumber <= 2) {
            continue;
        }
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) {
            return false; // not a device line: refuse rather than guess
        }
        line = line.substr(0, colon);
        line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
        if (!isPrivateNetworkDevice(line)) {
            return false;
        }
        loopbackSeen = loopbackSeen || line == "lo";
    }
    return lineNumber > 2 && loopbackSeen;
}

inline bool inPrivateNetworkNamespace() {
    std::ifstream devices("/proc/net/dev"); // the devices of this process's namespace
    const std::string text{std::istreambuf_iterator<char>(devices), {}};
    return onlyPrivateNetworkDevices(text);
}

} // namespace vistrel
