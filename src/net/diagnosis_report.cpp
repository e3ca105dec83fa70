#include "net/diagnosis_report.h"

#include "localization/language_keys.h"

#include <algorithm>

namespace vistrel::net {

namespace {

namespace keys = language_keys;

void addPortHint(const DiagnosisInputs& inputs, std::vector<Hint>& hints) {
    if (inputs.adminPortUsable) {
        return; // programs that share the port take nothing from the finder
    }
    if (inputs.adminPortUsers.empty()) {
        hints.push_back({keys::kHintPortUsed, {}});
    } else {
        hints.push_back({keys::kHintPortUsedBy, {portUsersText(inputs.adminPortUsers)}});
    }
}

void addFirewallHints(const FirewallReading& firewall, std::vector<Hint>& hints) {
    if (firewall.status != FirewallStatus::Read) {
        return;
    }
    for (const std::string& rule : firewall.findings.droppingRules) {
        hints.push_back({keys::kHintFirewallRule, {rule}});
    }
    for (const std::string& chain : firewall.findings.dropPolicyChains) {
        hints.push_back({keys::kHintFirewallPolicy, {chain}});
    }
}

void addUnreadableFirewallHint(FirewallStatus status, std::vector<Hint>& hints) {
    switch (status) {
    case FirewallStatus::NotPermitted:
        hints.push_back({keys::kHintFirewallNotPermitted, {}});
        break;
    case FirewallStatus::NotInstalled:
        hints.push_back({keys::kHintFirewallNoTool, {}});
        break;
    case FirewallStatus::Unreadable:
        hints.push_back({keys::kHintFirewallUnreadable, {}});
        break;
    case FirewallStatus::Read:
        break;
    }
}

} // namespace

std::vector<Hint> diagnosisHints(const DiagnosisInputs& inputs) {
    std::vector<Hint> hints;
    addPortHint(inputs, hints);
    const auto& choices = inputs.interfaces.interfaces;
    if (std::ranges::none_of(choices, &InterfaceChoice::searched)) {
        hints.push_back({keys::kHintNoBroadcastInterface, {}});
    }
    addFirewallHints(inputs.firewall, hints);
    if (inputs.defaultRoute && inputs.defaultRoute->kind == InterfaceKind::Tunnel) {
        hints.push_back({keys::kHintTunnelRoute, {inputs.defaultRoute->interfaceName}});
    }
    if (inputs.container) {
        hints.push_back({keys::kHintContainer, {*inputs.container}});
    }
    addUnreadableFirewallHint(inputs.firewall.status, hints);
    return hints;
}

DiagnosisReport makeDiagnosisReport(const DiagnosisInputs& inputs) {
    DiagnosisReport report;
    for (const InterfaceChoice& choice : inputs.interfaces.interfaces) {
        InterfaceRow row;
        row.name = choice.interface.name;
        for (const InterfaceAddress& address : choice.interface.addresses) {
            row.addresses.push_back(formatInterfaceAddress(address));
        }
        row.up = choice.interface.up;
        row.canBroadcast = choice.interface.canBroadcast;
        row.searched = choice.searched();
        row.verdictKey = skipReasonKey(choice.skipped);
        if (const auto traffic = inputs.trafficByInterface.find(row.name);
            traffic != inputs.trafficByInterface.end()) {
            row.traffic = traffic->second;
        }
        report.interfaces.push_back(std::move(row));
    }
    report.byDefaultRoute = inputs.byDefaultRoute;
    report.cameras = inputs.cameras;
    report.hints = diagnosisHints(inputs);
    return report;
}

std::string fillPlaceholders(std::string_view text, const std::vector<std::string>& arguments) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool placeholder =
            text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const std::size_t index = placeholder ? static_cast<std::size_t>(text[i + 1] - '1') : 0;
        if (placeholder && index < arguments.size()) {
            result += arguments[index];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace vistrel::net
