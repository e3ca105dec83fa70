// Which interfaces a search goes out of, and why the others are skipped.

#include "net/interface_filter.h"

#include <gtest/gtest.h>
#include <map>

namespace vistrel::net {
namespace {

NetworkInterface interfaceNamed(std::string name, bool up, bool broadcast, bool hasAddress) {
    NetworkInterface interface;
    interface.name = std::move(name);
    interface.up = up;
    interface.canBroadcast = broadcast;
    if (hasAddress) {
        interface.addresses.push_back({{192, 168, 1, 10}, 24});
    }
    return interface;
}

// A laptop with Wi-Fi and Ethernet, a VPN, a container engine and a virtual machine manager.
std::vector<NetworkInterface> laptop() {
    NetworkInterface loopback = interfaceNamed("lo", true, false, true);
    loopback.loopback = true;
    return {loopback,
            interfaceNamed("enp3s0", true, true, true),
            interfaceNamed("wlp2s0", true, true, true),
            interfaceNamed("eno1", false, true, true),
            interfaceNamed("enx001122", true, true, false),
            interfaceNamed("tun0", true, false, true),
            interfaceNamed("docker0", true, true, true),
            interfaceNamed("br-1a2b3c4d5e6f", true, true, true),
            interfaceNamed("veth3f2a", true, true, true),
            interfaceNamed("virbr0", true, true, true)};
}

std::map<std::string, SkipReason> verdicts(const InterfaceSelection& selection) {
    std::map<std::string, SkipReason> result;
    for (const InterfaceChoice& choice : selection.interfaces) {
        result[choice.interface.name] = choice.skipped;
    }
    return result;
}

TEST(InterfaceFilter, SearchesUpBroadcastInterfacesAndSaysWhyOthersAreSkipped) {
    const InterfaceSelection selection = chooseInterfaces(laptop(), {});
    const std::map<std::string, SkipReason> expected{
        {"lo", SkipReason::Loopback},
        {"enp3s0", SkipReason::None},
        {"wlp2s0", SkipReason::None},
        {"eno1", SkipReason::Down},
        {"enx001122", SkipReason::NoIpv4Address},
        {"tun0", SkipReason::CannotBroadcast},
        {"docker0", SkipReason::ContainerOrVirtualMachine},
        {"br-1a2b3c4d5e6f", SkipReason::ContainerOrVirtualMachine},
        {"veth3f2a", SkipReason::ContainerOrVirtualMachine},
        {"virbr0", SkipReason::ContainerOrVirtualMachine}};
    EXPECT_EQ(verdicts(selection), expected);
    ASSERT_EQ(selection.searched().size(), 2u);
    EXPECT_EQ(selection.searched()[0].name, "enp3s0");
    EXPECT_EQ(selection.searched()[1].name, "wlp2s0");
    EXPECT_TRUE(selection.unknownNames.empty());
}

// Naming interfaces restricts the search to them; a named container bridge is searched, since
// the user asked for it, but a named interface that cannot carry the search is still skipped.
TEST(InterfaceFilter, NamedInterfacesAreTheOnlyOnesSearched) {
    const InterfaceSelection selection = chooseInterfaces(laptop(), {"wlp2s0", "docker0", "eno1"});
    const std::map<std::string, SkipReason> result = verdicts(selection);
    EXPECT_EQ(result.at("wlp2s0"), SkipReason::None);
    EXPECT_EQ(result.at("docker0"), SkipReason::None);
    EXPECT_EQ(result.at("eno1"), SkipReason::Down);
    EXPECT_EQ(result.at("enp3s0"), SkipReason::NotChosen);
    EXPECT_EQ(result.at("lo"), SkipReason::NotChosen);
    EXPECT_EQ(selection.searched().size(), 2u);
}

TEST(InterfaceFilter, NamesNoInterfaceHasAreReportedOnceEach) {
    const InterfaceSelection selection =
        chooseInterfaces(laptop(), {"eth9", "wlp2s0", "eth9", "WLP2S0"});
    EXPECT_EQ(selection.unknownNames, (std::vector<std::string>{"eth9", "WLP2S0"}));
    EXPECT_EQ(selection.searched().size(), 1u);
}

TEST(InterfaceFilter, OnlyTheBeginningOfANameMarksAContainerInterface) {
    EXPECT_TRUE(isContainerOrVirtualMachineInterface("docker0"));
    EXPECT_TRUE(isContainerOrVirtualMachineInterface("br-vst-0"));
    EXPECT_FALSE(isContainerOrVirtualMachineInterface("br0")); // a user's own bridge
    EXPECT_FALSE(isContainerOrVirtualMachineInterface("enp0s31f6-veth"));
}

} // namespace
} // namespace vistrel::net
