// What the firewall's rules do to a camera's reply, from real nft and iptables-save output
// (fixtures/) and a few rules written out here.

#include "net/firewall_rules.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace vistrel::net {
namespace {

std::string fixture(const std::string& name) {
    std::ifstream file(std::filesystem::path(VISTREL_NET_FIXTURES) / name);
    EXPECT_TRUE(file) << name;
    return {std::istreambuf_iterator<char>(file), {}};
}

FirewallFindings findingsOfNftables(const std::string& json) {
    std::vector<FilterChain> chains;
    EXPECT_TRUE(nftablesChains(json, chains));
    return findingsOf(chains);
}

FirewallFindings findingsOfIptables(const std::string& text) {
    std::vector<FilterChain> chains;
    EXPECT_TRUE(iptablesChains(text, chains));
    return findingsOf(chains);
}

struct RulesetCase {
    const char* fixture;
    FirewallFindings findings;
};

TEST(FirewallRules, FindWhatStopsACameraReplyInRealRulesets) {
    const RulesetCase cases[] = {
        // policy drop; only TCP 22, UDP 53, ICMP, loopback and replies to connections accepted
        {"nft_default_drop.json", {{}, {"inet filter input"}}},
        // a set with a range that holds 13364 drops it; the TCP rule on 13364 does not matter
        {"nft_drops_camera_port.json",
         {{"inet filter input: udp dport { 53, 13000-14000 } drop"}, {}}},
        // policy drop, but a chain it jumps to accepts UDP 13364
        {"nft_allows_camera_port.json", {}},
        // policy accept, and a final reject of everything (as firewalld writes it)
        {"nft_reject_at_end.json", {{}, {"inet firewalld filter_INPUT"}}},
        // policy drop, but the whole LAN is accepted: nothing can be said for sure
        {"nft_lan_accepted.json", {}},
    };
    for (const RulesetCase& c : cases) {
        EXPECT_EQ(findingsOfNftables(fixture(c.fixture)), c.findings) << c.fixture;
    }
    EXPECT_EQ(findingsOfIptables(fixture("iptables_default_drop.txt")),
              (FirewallFindings{{}, {"INPUT"}}));
    // The drop comes first, so the accept in ufw-user-input never sees the reply.
    EXPECT_EQ(
        findingsOfIptables(fixture("iptables_drops_camera_port.txt")),
        (FirewallFindings{{"-A INPUT -p udp -m multiport --dports 5000:6000,13364 -j DROP"}, {}}));
}

TEST(FirewallRules, IptablesConditionsThatExcludeTheReplyLeaveItToThePolicy) {
    const std::string ruleset = "*filter\n"
                                ":INPUT DROP [0:0]\n"
                                "-A INPUT ! -p udp -j ACCEPT\n"
                                "-A INPUT -p udp ! --dport 13364 -j ACCEPT\n"
                                "-A INPUT -p udp --sport 53 -j ACCEPT\n"
                                "-A INPUT -m state --state ESTABLISHED -j ACCEPT\n"
                                "-A INPUT -p udp -m udp --dport 13364 -j LOG\n"
                                "COMMIT\n";
    EXPECT_EQ(findingsOfIptables(ruleset), (FirewallFindings{{}, {"INPUT"}}));
    const std::string accepting = "*filter\n"
                                  ":INPUT DROP [0:0]\n"
                                  "-A INPUT -m state --state NEW -p udp --dport 13364 -j ACCEPT\n"
                                  "COMMIT\n";
    EXPECT_EQ(findingsOfIptables(accepting), FirewallFindings{});
}

TEST(FirewallRules, OtherTablesAndEmptyOutputFindNothing) {
    EXPECT_EQ(findingsOfIptables(""), FirewallFindings{});
    EXPECT_EQ(findingsOfIptables("*nat\n:PREROUTING ACCEPT [0:0]\n-A PREROUTING -p udp "
                                 "--dport 13364 -j DROP\nCOMMIT\n"),
              FirewallFindings{});
    EXPECT_EQ(findingsOfNftables(R"({"nftables": [{"metainfo": {"json_schema_version": 1}}]})"),
              FirewallFindings{});
}

TEST(FirewallRules, OutputThatIsNotTheToolsIsRefused) {
    std::vector<FilterChain> chains;
    EXPECT_FALSE(nftablesChains("Error: syntax error", chains));
    EXPECT_FALSE(nftablesChains(R"({"nftables": {"chain": 1}})", chains));
    EXPECT_FALSE(nftablesChains(R"({"nftables": [{"chain": {"family": 4}}]})", chains));
    EXPECT_TRUE(chains.empty());
    EXPECT_FALSE(iptablesChains("iptables-save: Permission denied (you must be root)\n", chains));
}

TEST(FirewallRules, PortListsInIptablesForm) {
    EXPECT_EQ(portListFit("13364"), Fit::Yes);
    EXPECT_EQ(portListFit("53,13000:14000"), Fit::Yes);
    EXPECT_EQ(portListFit("13365:"), Fit::No);
    EXPECT_EQ(portListFit(":13364"), Fit::Yes);
    EXPECT_EQ(portListFit("53,80"), Fit::No);
    EXPECT_EQ(portListFit("domain"), Fit::Unknown);
}

} // namespace
} // namespace vistrel::net
