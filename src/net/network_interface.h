#pragma once
// What the rules know of one network interface of the computer: its name and index, its flags
// and its IPv4 addresses with their prefix lengths. The Qt layer fills it from the system.

#include "protocol/address_text.h"

#include <string>
#include <vector>

namespace vistrel::net {

struct InterfaceAddress {
    Ipv4Address address{};
    int prefixLength = 32;

    bool operator==(const InterfaceAddress&) const = default;
};

struct NetworkInterface {
    std::string name;
    int index = 0;
    bool up = false;
    bool canBroadcast = false;
    bool loopback = false;
    std::vector<InterfaceAddress> addresses; // IPv4 only

    bool operator==(const NetworkInterface&) const = default;
};

// "192.168.50.10/24".
std::string formatInterfaceAddress(const InterfaceAddress& address);

} // namespace vistrel::net
