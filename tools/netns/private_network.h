#pragma once
// Whether this process runs in a private network namespace of the kind scripts/netns makes:
// loopback is its only interface (beside the black hole camnull0 for cameras that never
// answer), so a broadcast cannot leave the machine. Programs and tests that would otherwise
// broadcast on the user's network check it first.

#include <fstream>
#include <sstream>
#include <string>

namespace vistrel {

inline bool inPrivateNetworkNamespace() {
    std::ifstream devices("/proc/net/dev"); // the interfaces of this process's namespace
    std::string line;
    if (!std::getline(devices, line) || !std::getline(devices, line)) { // two heading lines
        return false;
    }
    bool loopbackSeen = false;
    while (std::getline(devices, line)) {
        std::istringstream fields(line);
        std::string name;
        fields >> name;
        if (name == "lo:") {
            loopbackSeen = true;
        } else if (name.rfind("camnull", 0) != 0) {
            return false;
        }
    }
    return loopbackSeen;
}

} // namespace vistrel
