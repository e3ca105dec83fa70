#include "net/udp_port_users.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace vistrel::net {

namespace {

template <typename Number> std::optional<Number> parseNumber(std::string_view text, int base = 10) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The local port of a "0100007F:3434" address field.
std::optional<std::uint16_t> portOf(std::string_view localAddress) {
    const std::size_t colon = localAddress.rfind(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    return parseNumber<std::uint16_t>(localAddress.substr(colon + 1), 16);
}

// Processes whose descriptors include one of the sockets.
std::vector<int> processesHolding(const std::vector<std::uint64_t>& inodes, int excludedPid) {
    namespace fs = std::filesystem;
    std::vector<int> pids;
    std::error_code error;
    for (const fs::directory_entry& process : fs::directory_iterator("/proc", error)) {
        const std::optional<int> pid = parseNumber<int>(process.path().filename().string());
        if (!pid || *pid == excludedPid) {
            continue;
        }
        std::error_code fdError; // another user's process: its descriptors stay closed to us
        for (const fs::directory_entry& fd :
             fs::directory_iterator(process.path() / "fd", fdError)) {
            std::error_code linkError;
            const std::optional<std::uint64_t> inode =
                socketInodeOfLink(fs::read_symlink(fd.path(), linkError).string());
            if (inode && std::ranges::find(inodes, *inode) != inodes.end()) {
                pids.push_back(*pid);
                break;
            }
        }
    }
    return pids;
}

} // namespace

std::vector<std::uint64_t> socketInodesOnPort(std::string_view procNetUdp, std::uint16_t port) {
    std::vector<std::uint64_t> inodes;
    std::istringstream lines{std::string(procNetUdp)};
    std::string line;
    std::getline(lines, line); // the heading
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::vector<std::string> columns{std::istream_iterator<std::string>(fields), {}};
        if (columns.size() < 10 || portOf(columns[1]) != port) {
            continue;
        }
        const std::optional<std::uint64_t> inode = parseNumber<std::uint64_t>(columns[9]);
        if (inode && *inode != 0 && std::ranges::find(inodes, *inode) == inodes.end()) {
            inodes.push_back(*inode);
        }
    }
    return inodes;
}

std::optional<std::uint64_t> socketInodeOfLink(std::string_view target) {
    constexpr std::string_view kPrefix = "socket:[";
    if (!target.starts_with(kPrefix) || !target.ends_with(']')) {
        return std::nullopt;
    }
    target.remove_prefix(kPrefix.size());
    target.remove_suffix(1);
    return parseNumber<std::uint64_t>(target);
}

std::string portUsersText(const std::vector<PortUser>& users) {
    std::string text;
    for (const PortUser& user : users) {
        text +=
            (text.empty() ? "" : ", ") + user.program + " (PID " + std::to_string(user.pid) + ")";
    }
    return text;
}

std::vector<PortUser> readUdpPortUsers(std::uint16_t port, int excludedPid) {
    std::vector<std::uint64_t> inodes = socketInodesOnPort(readFile("/proc/net/udp"), port);
    for (const std::uint64_t inode : socketInodesOnPort(readFile("/proc/net/udp6"), port)) {
        inodes.push_back(inode);
    }
    std::vector<PortUser> users;
    if (inodes.empty()) {
        return users;
    }
    for (const int pid : processesHolding(inodes, excludedPid)) {
        std::string program = readFile("/proc/" + std::to_string(pid) + "/comm");
        while (!program.empty() && program.back() == '\n') {
            program.pop_back();
        }
        users.push_back({pid, program});
    }
    return users;
}

} // namespace vistrel::net
