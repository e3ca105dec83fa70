#pragma once
// Tests that open sockets run only inside the private network namespace of scripts/netns:
// there loopback is the only interface, and a broadcast cannot leave the machine.

#include <fstream>
#include <sstream>
#include <string>

namespace vistrel::test {

inline bool inPrivateNetworkNamespace() {
    std::ifstream devices("/proc/net/dev"); // lists the interfaces of this process's namespace
    std::string line;
    std::getline(devices, line); // two heading lines
    std::getline(devices, line);
    while (std::getline(devices, line)) {
        std::istringstream fields(line);
        std::string name;
        fields >> name;
        if (name != "lo:" && name.rfind("camnull", 0) != 0) {
            return false;
        }
    }
    return true;
}

} // namespace vistrel::test

// Skips the current test outside the private namespace.
#define VISTREL_REQUIRE_PRIVATE_NETWORK()                                                          \
    do {                                                                                           \
        if (!::vistrel::test::inPrivateNetworkNamespace()) {                                       \
            GTEST_SKIP() << "opens sockets: run inside scripts/netns";                             \
        }                                                                                          \
    } while (false)
