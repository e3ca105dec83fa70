#pragma once
// Whether the finder runs inside a container, whose network is usually not the LAN the
// cameras are on. Container engines leave markers: /.dockerenv (Docker), /run/.containerenv
// (Podman), container=NAME in the environment of process 1 (systemd-nspawn, LXC, Podman), and
// their names in the control groups of process 1.

#include <optional>
#include <string>
#include <string_view>

namespace vistrel::net {

struct ContainerMarkers {
    bool dockerEnvFile = false;    // /.dockerenv exists
    bool containerEnvFile = false; // /run/.containerenv exists
    std::string initEnvironment;   // /proc/1/environ: NUL-separated, empty when unreadable
    std::string initCgroups;       // /proc/1/cgroup
};

// The container's kind ("Docker", "Podman", "LXC", "Kubernetes", or the name that container=
// gives); nullopt when no marker says the process runs in one.
std::optional<std::string> containerKindOf(const ContainerMarkers& markers);

std::optional<std::string> readContainerKind();

} // namespace vistrel::net
