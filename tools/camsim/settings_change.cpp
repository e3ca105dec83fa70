#include "camsim/settings_change.h"

namespace vistrel::camsim {

namespace {

constexpr Ipv4Address kNoAddress{0, 0, 0, 0};

std::string refusalOf(const CameraSettings& next, std::size_t nameCapacity) {
    if (next.name.empty()) {
        return "empty camera name";
    }
    if (next.name.size() > nameCapacity) {
        return "camera name of " + std::to_string(next.name.size()) + " bytes, at most " +
               std::to_string(nameCapacity);
    }
    if (next.webPort == 0) {
        return "web port 0";
    }
    if (next.password.size() > kMaxPasswordSize) {
        return "password longer than 64 bytes";
    }
    if (!next.dhcp && next.ip == kNoAddress) {
        return "fixed address 0.0.0.0";
    }
    return {};
}

void applyAddresses(CameraSettings& next, const SettingsChange& change) {
    next.ip = change.ip.value_or(next.ip);
    next.netmask = change.netmask.value_or(next.netmask);
    next.gateway = change.gateway.value_or(next.gateway);
    next.dns = change.dns.value_or(next.dns);
}

} // namespace

Checked<CameraSettings> applySettingsChange(const CameraSettings& current,
                                            const SettingsChange& change,
                                            std::size_t nameCapacity) {
    CameraSettings next = current;
    next.name = change.name.value_or(next.name);
    next.dhcp = change.dhcp.value_or(next.dhcp);
    if (!next.dhcp) {
        applyAddresses(next, change);
    }
    next.webPort = change.webPort.value_or(next.webPort);
    next.userName = change.userName.value_or(next.userName);
    next.password = change.password.value_or(next.password);
    next.wireless = change.wireless.value_or(next.wireless);
    if (const std::string refusal = refusalOf(next, nameCapacity); !refusal.empty()) {
        return Checked<CameraSettings>::refused(refusal);
    }
    return next;
}

} // namespace vistrel::camsim
