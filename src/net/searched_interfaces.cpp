#include "net/searched_interfaces.h"

#include <algorithm>

namespace vistrel::net {

const NetworkInterface* InterfaceTable::find(int index) const {
    const auto& choices = selection.interfaces;
    const auto found = std::ranges::find_if(choices, [index](const InterfaceChoice& choice) {
        return choice.interface.index == index;
    });
    return found == choices.end() ? nullptr : &found->interface;
}

bool InterfaceTable::searched(int index) const {
    return std::ranges::any_of(selection.interfaces, [index](const InterfaceChoice& choice) {
        return choice.interface.index == index && choice.searched();
    });
}

void SearchedInterfaces::restrictTo(std::vector<std::string> names) {
    const std::lock_guard lock(mutex_);
    requestedNames_ = std::move(names);
}

bool SearchedInterfaces::restricted() const {
    const std::lock_guard lock(mutex_);
    return !requestedNames_.empty();
}

std::vector<std::string> SearchedInterfaces::requestedNames() const {
    const std::lock_guard lock(mutex_);
    return requestedNames_;
}

std::shared_ptr<const InterfaceTable>
SearchedInterfaces::choose(const std::vector<NetworkInterface>& interfaces) {
    const std::lock_guard lock(mutex_);
    auto table = std::make_shared<InterfaceTable>();
    table->selection = chooseInterfaces(interfaces, requestedNames_);
    table_ = table;
    return table;
}

std::shared_ptr<const InterfaceTable> SearchedInterfaces::current() const {
    const std::lock_guard lock(mutex_);
    return table_;
}

} // namespace vistrel::net
