#pragma once
// What the firewall's input rules do to a camera's reply: a UDP datagram from port 13364 to
// port 13364 that opens no known connection (it answers a broadcast, which connection tracking
// does not pair with it), arriving on a LAN interface. Two findings stop it: a rule that drops
// or rejects UDP port 13364, and an input chain whose policy drops what no rule accepts when no
// rule it reaches may accept the reply. Rules are read from `nft -j list ruleset` (nftables)
// or `iptables-save` (its filter table); a rule that depends on what is not known here (the
// sender's address, the interface, a set's contents) counts as one that may apply.

#include <string>
#include <string_view>
#include <vector>

namespace vistrel::net {

struct FirewallFindings {
    std::vector<std::string> droppingRules;    // each rule as the firewall writes it
    std::vector<std::string> dropPolicyChains; // "inet filter input", "INPUT"

    bool operator==(const FirewallFindings&) const = default;
};

// Whether a camera's reply meets one condition of a rule.
enum class Fit { Yes, No, Unknown };

// One rule in the terms the findings need.
struct FilterRule {
    enum class Verdict { Accept, Drop, Jump, Goto, Return, Unknown, None };
    std::string text;
    std::vector<Fit> conditions;
    bool namesCameraTraffic = false; // a condition on UDP or port 13364 that the reply meets
    Verdict verdict = Verdict::None;
    std::string target; // of a jump or goto
};

struct FilterChain {
    std::string name; // unique within the ruleset
    bool inputHook = false;
    bool dropPolicy = false;
    std::vector<FilterRule> rules;
};

inline constexpr unsigned kCameraPort = 13364;

FirewallFindings findingsOf(const std::vector<FilterChain>& chains);

// The chains of a ruleset; false when the text is not what the tool writes.
bool nftablesChains(std::string_view json, std::vector<FilterChain>& chains);
bool iptablesChains(std::string_view text, std::vector<FilterChain>& chains);

// Whether a port list in iptables' form ("53,13000:14000") includes the camera port.
Fit portListFit(std::string_view list);

enum class FirewallStatus { Read, NotPermitted, NotInstalled, Unreadable };

struct FirewallReading {
    FirewallStatus status = FirewallStatus::Unreadable;
    FirewallFindings findings; // when Read
};

// Asks nft, then iptables-save, without administrator rights; a refusal is reported as such.
FirewallReading readFirewall();

} // namespace vistrel::net
