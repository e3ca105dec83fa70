#pragma once
// Which interfaces a search goes out of: every one that is up, can broadcast, is not loopback
// and has an IPv4 address. Interfaces of containers and virtual machines are skipped unless the
// user names them; naming interfaces (--interface NAME) restricts the search to those.

#include "net/network_interface.h"

#include <string>
#include <string_view>
#include <vector>

namespace vistrel::net {

enum class SkipReason {
    None, // searched
    Down,
    Loopback,
    CannotBroadcast,
    NoIpv4Address,
    ContainerOrVirtualMachine,
    NotChosen,
};

struct InterfaceChoice {
    NetworkInterface interface;
    SkipReason skipped = SkipReason::None;

    bool searched() const { return skipped == SkipReason::None; }
    bool operator==(const InterfaceChoice&) const = default;
};

struct InterfaceSelection {
    std::vector<InterfaceChoice> interfaces; // every interface, in the order given
    std::vector<std::string> unknownNames;   // requested names no interface has

    std::vector<NetworkInterface> searched() const;
};

// Names that container engines and virtual machine managers give their bridges and links.
inline constexpr std::string_view kVirtualInterfacePrefixes[] = {"docker", "br-", "veth", "virbr"};

bool isContainerOrVirtualMachineInterface(std::string_view name);

// Every interface with its verdict. An empty list of names chooses every suitable interface;
// otherwise only the named ones are searched, container and virtual machine ones included.
InterfaceSelection chooseInterfaces(const std::vector<NetworkInterface>& interfaces,
                                    const std::vector<std::string>& requestedNames);

// The language key of a verdict, for the diagnostics report.
std::string_view skipReasonKey(SkipReason reason);

} // namespace vistrel::net
