// The diagnostics report from recorded inputs: its hints in plain words, its rows, and the
// English texts the command line prints for them.

#include "localization/language_keys.h"
#include "localization/shipped_language_file.h"
#include "net/diagnosis_report.h"

#include <gtest/gtest.h>

namespace vistrel::net {
namespace {

namespace keys = language_keys;

// A computer on a LAN whose search found a camera and where nothing is wrong.
DiagnosisInputs healthy() {
    NetworkInterface ethernet;
    ethernet.name = "enp3s0";
    ethernet.index = 2;
    ethernet.up = true;
    ethernet.canBroadcast = true;
    ethernet.addresses = {{{192, 168, 1, 10}, 24}};
    DiagnosisInputs inputs;
    inputs.interfaces = chooseInterfaces({ethernet}, {});
    inputs.trafficByInterface["enp3s0"] = {3, 1};
    inputs.byDefaultRoute = {3, 0};
    inputs.cameras = {
        {{0x02, 0x56, 0x49, 0, 0, 1}, "Front door", {192, 168, 1, 20}, "enp3s0", true}};
    inputs.defaultRoute = DefaultRoute{"enp3s0", InterfaceKind::Ethernet};
    inputs.firewall = {FirewallStatus::Read, {}};
    return inputs;
}

struct HintCase {
    const char* name;
    void (*change)(DiagnosisInputs&);
    std::vector<Hint> hints;
};

const HintCase kHintCases[] = {
    {"nothing wrong", [](DiagnosisInputs&) {}, {}},
    {"port held by a named program",
     [](DiagnosisInputs& in) {
         in.adminPortUsable = false;
         in.adminPortUsers = {{4242, "vistrel-camsim"}, {17, "nc"}};
     },
     {{keys::kHintPortUsedBy, {"vistrel-camsim (PID 4242), nc (PID 17)"}}}},
    {"port held by a program /proc does not show",
     [](DiagnosisInputs& in) { in.adminPortUsable = false; },
     {{keys::kHintPortUsed, {}}}},
    {"port shared with another program",
     [](DiagnosisInputs& in) {
         in.adminPortUsers = {{4242, "vistrel-camsim"}};
     },
     {}},
    {"no interface searched",
     [](DiagnosisInputs& in) { in.interfaces.interfaces[0].skipped = SkipReason::Down; },
     {{keys::kHintNoBroadcastInterface, {}}}},
    {"default route through a VPN",
     [](DiagnosisInputs& in) {
         in.defaultRoute = DefaultRoute{"wg0", InterfaceKind::Tunnel};
     },
     {{keys::kHintTunnelRoute, {"wg0"}}}},
    {"default route through Wi-Fi",
     [](DiagnosisInputs& in) {
         in.defaultRoute = DefaultRoute{"wlp2s0", InterfaceKind::Wireless};
     },
     {}},
    {"firewall rule and policy",
     [](DiagnosisInputs& in) {
         in.firewall.findings = {{"-A INPUT -p udp --dport 13364 -j DROP"}, {"INPUT"}};
     },
     {{keys::kHintFirewallRule, {"-A INPUT -p udp --dport 13364 -j DROP"}},
      {keys::kHintFirewallPolicy, {"INPUT"}}}},
    {"firewall refused to be read",
     [](DiagnosisInputs& in) {
         in.firewall = {FirewallStatus::NotPermitted, {}};
     },
     {{keys::kHintFirewallNotPermitted, {}}}},
    {"no firewall tool",
     [](DiagnosisInputs& in) {
         in.firewall = {FirewallStatus::NotInstalled, {}};
     },
     {{keys::kHintFirewallNoTool, {}}}},
    {"firewall output not understood",
     [](DiagnosisInputs& in) {
         in.firewall = {FirewallStatus::Unreadable, {}};
     },
     {{keys::kHintFirewallUnreadable, {}}}},
    {"inside a container",
     [](DiagnosisInputs& in) { in.container = "Docker"; },
     {{keys::kHintContainer, {"Docker"}}}},
    {"everything at once, the likeliest cause first",
     [](DiagnosisInputs& in) {
         in.adminPortUsable = false;
         in.interfaces.interfaces[0].skipped = SkipReason::NotChosen;
         in.defaultRoute = DefaultRoute{"tun0", InterfaceKind::Tunnel};
         in.firewall = {FirewallStatus::NotPermitted, {}};
         in.container = "Podman";
     },
     {{keys::kHintPortUsed, {}},
      {keys::kHintNoBroadcastInterface, {}},
      {keys::kHintTunnelRoute, {"tun0"}},
      {keys::kHintContainer, {"Podman"}},
      {keys::kHintFirewallNotPermitted, {}}}},
};

TEST(DiagnosisHints, NameWhatTheRecordedStateShows) {
    for (const HintCase& c : kHintCases) {
        DiagnosisInputs inputs = healthy();
        c.change(inputs);
        EXPECT_EQ(diagnosisHints(inputs), c.hints) << c.name;
    }
}

// The command line prints each hint as the English text with its arguments in place; every
// argument must have its placeholder, and no placeholder may stay unfilled.
TEST(DiagnosisHints, EveryHintHasAnEnglishTextWithAPlaceholderPerArgument) {
    for (const HintCase& c : kHintCases) {
        for (const Hint& hint : c.hints) {
            const std::string english = test::shippedTexts().lookup("English", hint.key);
            ASSERT_FALSE(english.empty()) << hint.key;
            std::vector<std::string> markers;
            for (std::size_t i = 0; i < hint.arguments.size(); ++i) {
                markers.push_back("<" + std::to_string(i) + ">");
            }
            const std::string text = fillPlaceholders(english, markers);
            for (const std::string& marker : markers) {
                EXPECT_NE(text.find(marker), std::string::npos) << hint.key;
            }
            EXPECT_EQ(text.find("%1"), std::string::npos) << hint.key;
        }
    }
}

TEST(DiagnosisReport, ListsEveryInterfaceWithItsVerdictAndTraffic) {
    DiagnosisInputs inputs = healthy();
    NetworkInterface docker;
    docker.name = "docker0";
    docker.up = true;
    docker.canBroadcast = true;
    docker.addresses = {{{172, 17, 0, 1}, 16}};
    std::vector<NetworkInterface> interfaces{inputs.interfaces.interfaces[0].interface, docker};
    inputs.interfaces = chooseInterfaces(interfaces, {});

    const DiagnosisReport report = makeDiagnosisReport(inputs);
    ASSERT_EQ(report.interfaces.size(), 2u);
    EXPECT_EQ(report.interfaces[0].name, "enp3s0");
    EXPECT_EQ(report.interfaces[0].addresses, std::vector<std::string>{"192.168.1.10/24"});
    EXPECT_TRUE(report.interfaces[0].searched);
    EXPECT_EQ(report.interfaces[0].verdictKey, keys::kInterfaceSearched);
    EXPECT_EQ(report.interfaces[0].traffic, (Traffic{3, 1}));
    EXPECT_FALSE(report.interfaces[1].searched);
    EXPECT_EQ(report.interfaces[1].verdictKey, keys::kInterfaceVirtual);
    EXPECT_EQ(report.interfaces[1].traffic, (Traffic{0, 0}));
    EXPECT_EQ(report.byDefaultRoute, (Traffic{3, 0}));
    EXPECT_EQ(report.cameras, inputs.cameras);
    EXPECT_TRUE(report.hints.empty());
}

TEST(FillPlaceholders, PutsEachArgumentInItsPlaceOnly) {
    struct Case {
        const char* text;
        std::vector<std::string> arguments;
        const char* filled;
    };
    const Case cases[] = {
        {"port %1 of %2", {"13364", "wg0"}, "port 13364 of wg0"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"an argument with %2 in it: %1", {"50%2", "x"}, "an argument with x in it: 50%2"},
        {"missing %3", {"a"}, "missing %3"},
        {"100% sure, %", {}, "100% sure, %"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fillPlaceholders(c.text, c.arguments), c.filled) << c.text;
    }
}

} // namespace
} // namespace vistrel::net
