#include "net/container_markers.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

namespace vistrel::net {

namespace {

// Words in the control group paths of containers, with the kind they stand for.
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kCgroupWords{{
    {"kubepods", "Kubernetes"},
    {"libpod", "Podman"},
    {"docker", "Docker"},
    {"lxc", "LXC"},
    {"containerd", "containerd"},
    {"machine.slice/systemd-nspawn", "systemd-nspawn"},
}};

std::string readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

std::optional<std::string> containerVariable(std::string_view environment) {
    constexpr std::string_view kName = "container=";
    while (!environment.empty()) {
        const std::size_t end = environment.find('\0');
        const std::string_view entry = environment.substr(0, end);
        if (entry.starts_with(kName) && entry.size() > kName.size()) {
            return std::string(entry.substr(kName.size()));
        }
        if (end == std::string_view::npos) {
            break;
        }
        environment.remove_prefix(end + 1);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> containerKindOf(const ContainerMarkers& markers) {
    if (std::optional<std::string> name = containerVariable(markers.initEnvironment)) {
        return name;
    }
    if (markers.containerEnvFile) {
        return "Podman";
    }
    if (markers.dockerEnvFile) {
        return "Docker";
    }
    for (const auto& [word, kind] : kCgroupWords) {
        if (markers.initCgroups.find(word) != std::string::npos) {
            return std::string(kind);
        }
    }
    return std::nullopt;
}

std::optional<std::string> readContainerKind() {
    std::error_code error;
    ContainerMarkers markers;
    markers.dockerEnvFile = std::filesystem::exists("/.dockerenv", error);
    markers.containerEnvFile = std::filesystem::exists("/run/.containerenv", error);
    markers.initEnvironment = readFile("/proc/1/environ"); // root's only: usually unreadable
    markers.initCgroups = readFile("/proc/1/cgroup");
    return containerKindOf(markers);
}

} // namespace vistrel::net
