#pragma once
// Which programs hold a UDP port, from /proc: the sockets bound to the port in /proc/net/udp
// and udp6 (a socket's inode), and the processes whose descriptors are those sockets
// (/proc/PID/fd links "socket:[inode]", the program name in /proc/PID/comm). Processes of other
// users cannot be looked into without administrator rights; they stay unnamed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel::net {

struct PortUser {
    int pid = 0;
    std::string program;

    bool operator==(const PortUser&) const = default;
};

// The socket inodes bound to the local port in the text of /proc/net/udp or /proc/net/udp6.
std::vector<std::uint64_t> socketInodesOnPort(std::string_view procNetUdp, std::uint16_t port);

// The inode of a descriptor's link target "socket:[12345]"; nullopt for anything else.
std::optional<std::uint64_t> socketInodeOfLink(std::string_view target);

// "vistrel-camsim (PID 4242), nc (PID 17)".
std::string portUsersText(const std::vector<PortUser>& users);

// The processes, other than the one with the excluded PID, that hold a UDP socket on the port.
std::vector<PortUser> readUdpPortUsers(std::uint16_t port, int excludedPid);

} // namespace vistrel::net
