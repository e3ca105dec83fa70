#pragma once
// What went out and came in, per interface and by the default route, for the diagnostics
// report: datagrams sent (those the system took) and replies received (requests, such as the
// finder's own broadcasts coming back, are not replies). A reply counts for the default route when
// it arrived on an interface that the search did not go out of by choice, as only the datagram sent
// by the default route can have reached its sender. Both the receiving thread and the sending one
// count.

#include "net/diagnosis_report.h"
#include "net/searched_interfaces.h"

#include <map>
#include <mutex>
#include <string>

namespace vistrel::net {

struct TrafficByRoute {
    std::map<std::string, Traffic> byInterface; // by name
    Traffic byDefaultRoute;
};

class TrafficCounts {
public:
    // interfaceIndex 0: by the default route.
    void countSent(int interfaceIndex);
    void countReceived(int interfaceIndex, bool searchedThere);

    // The counts by interface name as the table names them; an interface the table does not
    // know is named by its index, "#7".
    TrafficByRoute byRoute(const InterfaceTable& table) const;

private:
    mutable std::mutex mutex_;
    std::map<int, Traffic> byIndex_;
    Traffic byDefaultRoute_;
};

} // namespace vistrel::net
