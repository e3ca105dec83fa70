#include "net/command_output.h"
#include "net/firewall_rules.h"

namespace vistrel::net {

namespace {

constexpr std::chrono::milliseconds kToolTimeout{3000};

bool refused(const CommandOutput& output) {
    for (const char* words : {"not permitted", "Permission denied", "must be root"}) {
        if (output.errors.find(words) != std::string::npos) {
            return true;
        }
    }
    return false;
}

} // namespace

FirewallReading readFirewall() {
    struct Tool {
        std::vector<std::string> command;
        bool (*chainsOf)(std::string_view, std::vector<FilterChain>&);
    };
    const Tool tools[] = {
        {{"nft", "-j", "list", "ruleset"}, nftablesChains},
        {{"iptables-save", "-t", "filter"}, iptablesChains},
    };
    FirewallReading reading{FirewallStatus::NotInstalled, {}};
    for (const Tool& tool : tools) {
        const CommandOutput output = runCommand(tool.command, kToolTimeout);
        if (output.status == CommandOutput::Status::NotFound) {
            continue;
        }
        std::vector<FilterChain> chains;
        if (output.succeeded() && tool.chainsOf(output.output, chains)) {
            return {FirewallStatus::Read, findingsOf(chains)};
        }
        // Keep the first reason: a refusal by nft says more than iptables-save's.
        if (reading.status == FirewallStatus::NotInstalled) {
            reading.status =
                refused(output) ? FirewallStatus::NotPermitted : FirewallStatus::Unreadable;
        }
    }
    return reading;
}

} // namespace vistrel::net
