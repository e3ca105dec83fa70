#include "net/interface_filter.h"

#include "localization/language_keys.h"

#include <algorithm>

namespace vistrel::net {

namespace {

SkipReason verdictOf(const NetworkInterface& interface, bool named) {
    if (interface.loopback) {
        return SkipReason::Loopback;
    }
    if (!interface.up) {
        return SkipReason::Down;
    }
    if (!interface.canBroadcast) {
        return SkipReason::CannotBroadcast;
    }
    if (interface.addresses.empty()) {
        return SkipReason::NoIpv4Address;
    }
    if (!named && isContainerOrVirtualMachineInterface(interface.name)) {
        return SkipReason::ContainerOrVirtualMachine;
    }
    return SkipReason::None;
}

} // namespace

std::vector<NetworkInterface> InterfaceSelection::searched() const {
    std::vector<NetworkInterface> result;
    for (const InterfaceChoice& choice : interfaces) {
        if (choice.searched()) {
            result.push_back(choice.interface);
        }
    }
    return result;
}

bool isContainerOrVirtualMachineInterface(std::string_view name) {
    return std::ranges::any_of(kVirtualInterfacePrefixes, [name](std::string_view prefix) {
        return name.starts_with(prefix);
    });
}

InterfaceSelection chooseInterfaces(const std::vector<NetworkInterface>& interfaces,
                                    const std::vector<std::string>& requestedNames) {
    InterfaceSelection selection;
    for (const NetworkInterface& interface : interfaces) {
        const bool named =
            std::ranges::find(requestedNames, interface.name) != requestedNames.end();
        const SkipReason verdict =
            !requestedNames.empty() && !named ? SkipReason::NotChosen : verdictOf(interface, named);
        selection.interfaces.push_back({interface, verdict});
    }
    for (const std::string& name : requestedNames) {
        const bool known = std::ranges::any_of(
            interfaces, [&name](const NetworkInterface& i) { return i.name == name; });
        const bool listed =
            std::ranges::find(selection.unknownNames, name) != selection.unknownNames.end();
        if (!known && !listed) {
            selection.unknownNames.push_back(name);
        }
    }
    return selection;
}

std::string_view skipReasonKey(SkipReason reason) {
    namespace keys = language_keys;
    switch (reason) {
    case SkipReason::Down:
        return keys::kInterfaceDown;
    case SkipReason::Loopback:
        return keys::kInterfaceLoopback;
    case SkipReason::CannotBroadcast:
        return keys::kInterfaceCannotBroadcast;
    case SkipReason::NoIpv4Address:
        return keys::kInterfaceNoIpv4Address;
    case SkipReason::ContainerOrVirtualMachine:
        return keys::kInterfaceVirtual;
    case SkipReason::NotChosen:
        return keys::kInterfaceNotChosen;
    case SkipReason::None:
        break;
    }
    return keys::kInterfaceSearched;
}

} // namespace vistrel::net
