#include "net/traffic_counts.h"

namespace vistrel::net {

void TrafficCounts::countSent(int interfaceIndex) {
    const std::lock_guard lock(mutex_);
    ++(interfaceIndex == 0 ? byDefaultRoute_ : byIndex_[interfaceIndex]).datagramsSent;
}

void TrafficCounts::countReceived(int interfaceIndex, bool searchedThere) {
    const std::lock_guard lock(mutex_);
    ++byIndex_[interfaceIndex].repliesReceived;
    if (!searchedThere) {
        ++byDefaultRoute_.repliesReceived;
    }
}

TrafficByRoute TrafficCounts::byRoute(const InterfaceTable& table) const {
    const std::lock_guard lock(mutex_);
    TrafficByRoute result;
    result.byDefaultRoute = byDefaultRoute_;
    for (const auto& [index, traffic] : byIndex_) {
        const NetworkInterface* known = table.find(index);
        const std::string name = known ? known->name : "#" + std::to_string(index);
        Traffic& total = result.byInterface[name];
        total.datagramsSent += traffic.datagramsSent;
        total.repliesReceived += traffic.repliesReceived;
    }
    return result;
}

} // namespace vistrel::net
