#pragma once
// The report of a search that explains an empty result: every interface with its verdict and
// traffic, the cameras found, and hints in plain words for what the system state shows. The
// inputs are recorded by the network layer and the readers of the system state; the report is
// the same for the window and the command line.

#include "net/default_route.h"
#include "net/firewall_rules.h"
#include "net/interface_filter.h"
#include "net/udp_port_users.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel::net {

struct Traffic {
    int datagramsSent = 0;
    int repliesReceived = 0;

    bool operator==(const Traffic&) const = default;
};

struct FoundCamera {
    MacAddress mac{};
    std::string name;
    Ipv4Address address{};
    std::string interfaceName; // empty when the arrival interface is not known
    bool inSubnet = true;

    bool operator==(const FoundCamera&) const = default;
};

struct DiagnosisInputs {
    InterfaceSelection interfaces;
    std::map<std::string, Traffic> trafficByInterface;
    Traffic byDefaultRoute; // the datagram sent without choosing an interface
    std::vector<FoundCamera> cameras;
    bool adminPortUsable = true;
    std::vector<PortUser> adminPortUsers; // other programs on the port
    std::optional<DefaultRoute> defaultRoute;
    FirewallReading firewall;
    std::optional<std::string> container; // its kind
};

// A language key with the texts for its placeholders %1, %2, ...
struct Hint {
    std::string_view key;
    std::vector<std::string> arguments;

    bool operator==(const Hint&) const = default;
};

struct InterfaceRow {
    std::string name;
    std::vector<std::string> addresses; // "192.168.50.10/24"
    bool up = false;
    bool canBroadcast = false;
    bool searched = false;
    std::string_view verdictKey; // searched, or why it was skipped
    Traffic traffic;
};

struct DiagnosisReport {
    std::vector<InterfaceRow> interfaces;
    Traffic byDefaultRoute;
    std::vector<FoundCamera> cameras;
    std::vector<Hint> hints;
};

// The hints, the most likely cause first: the port, no interface, the firewall, the route,
// the container, and last that the firewall could not be read.
std::vector<Hint> diagnosisHints(const DiagnosisInputs& inputs);

DiagnosisReport makeDiagnosisReport(const DiagnosisInputs& inputs);

// The text with %1 ... %9 replaced by the arguments; a placeholder without an argument and a
// "%" before anything else stay as they are. Arguments are not searched for placeholders.
std::string fillPlaceholders(std::string_view text, const std::vector<std::string>& arguments);

} // namespace vistrel::net
