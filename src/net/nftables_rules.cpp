// The input rules of `nft -j list ruleset`: each base chain on the input hook of an IPv4 family,
// the chains it jumps to, and what each rule's conditions say about a camera's reply.

#include "net/firewall_rules.h"

#include <algorithm>
#include <array>
#include <map>
#include <nlohmann/json.hpp>
#include <utility>

namespace vistrel::net {

namespace {

using nlohmann::json;

// Transport protocols other than UDP: a condition on one of them never meets the reply.
constexpr std::array<std::string_view, 9> kOtherTransports{
    "tcp", "icmp", "icmpv6", "sctp", "dccp", "udplite", "igmp", "ah", "esp"};

std::string textOf(const json& value);

std::string textOfList(const json& values, std::string_view separator) {
    std::string text;
    for (const json& value : values) {
        text += (text.empty() ? "" : std::string(separator)) + textOf(value);
    }
    return text;
}

// A value as nft writes it: 13364, 13000-14000, { 53, 13364 }.
std::string textOf(const json& value) {
    if (value.is_string()) {
        return value.get<std::string>();
    }
    if (value.is_number_integer()) {
        return std::to_string(value.get<long long>());
    }
    if (value.is_array()) {
        return textOfList(value, ",");
    }
    if (value.is_object() && value.contains("range") && value["range"].is_array()) {
        return textOfList(value["range"], "-");
    }
    if (value.is_object() && value.contains("set") && value["set"].is_array()) {
        return "{ " + textOfList(value["set"], ", ") + " }";
    }
    return "…";
}

Fit combine(Fit a, Fit b) {
    if (a == Fit::Yes || b == Fit::Yes) {
        return Fit::Yes;
    }
    return a == Fit::Unknown || b == Fit::Unknown ? Fit::Unknown : Fit::No;
}

// Whether the value (a single one, a range, a set) includes what `single` accepts.
template <typename Single> Fit valueFit(const json& value, const Single& single) {
    if (value.is_object() && value.contains("set") && value["set"].is_array()) {
        Fit fit = Fit::No;
        for (const json& element : value["set"]) {
            fit = combine(fit, valueFit(element, single));
        }
        return fit;
    }
    if (value.is_array()) { // a list of flags or names
        Fit fit = Fit::No;
        for (const json& element : value) {
            fit = combine(fit, single(element));
        }
        return fit;
    }
    return single(value);
}

Fit portFit(const json& value) {
    return valueFit(value, [](const json& port) {
        if (port.is_number_integer()) {
            return port.get<long long>() == kCameraPort ? Fit::Yes : Fit::No;
        }
        if (port.is_object() && port.contains("range") && port["range"].is_array() &&
            port["range"].size() == 2 && port["range"][0].is_number_integer() &&
            port["range"][1].is_number_integer()) {
            const long long low = port["range"][0].get<long long>();
            const long long high = port["range"][1].get<long long>();
            return low <= kCameraPort && kCameraPort <= high ? Fit::Yes : Fit::No;
        }
        return Fit::Unknown; // a named set or a service name
    });
}

Fit protocolFit(const json& value) {
    return valueFit(value, [](const json& protocol) {
        if (protocol.is_string()) {
            const std::string name = protocol.get<std::string>();
            return name == "udp" ? Fit::Yes : name.starts_with('@') ? Fit::Unknown : Fit::No;
        }
        if (protocol.is_number_integer()) {
            return protocol.get<long long>() == 17 ? Fit::Yes : Fit::No;
        }
        return Fit::Unknown;
    });
}

Fit wordFit(const json& value, std::initializer_list<std::string_view> words) {
    return valueFit(value, [words](const json& word) {
        if (!word.is_string()) {
            return Fit::Unknown;
        }
        const std::string text = word.get<std::string>();
        return std::ranges::find(words, text) != words.end() ? Fit::Yes : Fit::No;
    });
}

struct Condition {
    Fit fit = Fit::Unknown;
    bool namesCameraTraffic = false;
    std::string subject; // "udp dport", "meta l4proto"
};

// The condition of a match whose operator is equality or membership.
Condition conditionOf(const json& left, const json& right) {
    Condition condition;
    const std::string value = textOf(right);
    condition.subject = "…";
    if (left.contains("payload") && left["payload"].is_object()) {
        const std::string protocol = left["payload"].value("protocol", "");
        const std::string field = left["payload"].value("field", "");
        condition.subject = protocol + " " + field;
        if ((protocol == "udp" || protocol == "th") && (field == "dport" || field == "sport")) {
            condition.fit = portFit(right);
            condition.namesCameraTraffic = condition.fit == Fit::Yes;
        } else if (protocol == "ip" && field == "protocol") {
            condition.fit = protocolFit(right);
            condition.namesCameraTraffic = condition.fit == Fit::Yes;
        } else if (protocol == "ip6" ||
                   std::ranges::find(kOtherTransports, protocol) != kOtherTransports.end()) {
            condition.fit = Fit::No;
        }
    } else if (left.contains("meta") && left["meta"].is_object()) {
        const std::string key = left["meta"].value("key", "");
        condition.subject = "meta " + key;
        if (key == "l4proto") {
            condition.fit = protocolFit(right);
            condition.namesCameraTraffic = condition.fit == Fit::Yes;
        } else if (key == "iifname" || key == "iif") {
            condition.fit = value == "lo" ? Fit::No : Fit::Unknown;
        } else if (key == "nfproto") {
            condition.fit = wordFit(right, {"ipv4"});
        } else if (key == "pkttype") {
            condition.fit = wordFit(right, {"broadcast"});
        }
    } else if (left.contains("ct") && left["ct"].is_object() &&
               left["ct"].value("key", "") == "state") {
        condition.subject = "ct state";
        condition.fit = wordFit(right, {"new", "untracked"});
    }
    return condition;
}

// The condition of a match and its text as nft writes it.
std::pair<Condition, std::string> matchCondition(const json& match) {
    if (!match.is_object() || !match.contains("left") || !match.contains("right")) {
        return {Condition{}, "…"};
    }
    const std::string op = match.value("op", "==");
    Condition condition = conditionOf(match["left"], match["right"]);
    const bool equality = op == "==" || op == "in";
    if (op == "!=") {
        condition.fit = condition.fit == Fit::Yes  ? Fit::No
                        : condition.fit == Fit::No ? Fit::Yes
                                                   : Fit::Unknown;
    } else if (!equality) {
        condition.fit = Fit::Unknown; // <, >, bit tests
    }
    condition.namesCameraTraffic = condition.namesCameraTraffic && equality;
    const std::string shownOp = equality ? "" : op + " ";
    return {condition, condition.subject + " " + shownOp + textOf(match["right"])};
}

// Adds one statement of a rule's expression to the rule.
void addStatement(const std::string& kind, const json& argument, FilterRule& rule,
                  std::vector<std::string>& words) {
    using Verdict = FilterRule::Verdict;
    if (kind == "match") {
        const auto [condition, text] = matchCondition(argument);
        rule.conditions.push_back(condition.fit);
        rule.namesCameraTraffic = rule.namesCameraTraffic || condition.namesCameraTraffic;
        words.push_back(text);
    } else if (kind == "accept" || kind == "drop" || kind == "reject" || kind == "return") {
        rule.verdict = kind == "accept"   ? Verdict::Accept
                       : kind == "return" ? Verdict::Return
                                          : Verdict::Drop;
        words.push_back(kind);
    } else if ((kind == "jump" || kind == "goto") && argument.is_object()) {
        rule.verdict = kind == "jump" ? Verdict::Jump : Verdict::Goto;
        rule.target = argument.value("target", "");
        words.push_back(kind + " " + rule.target);
    } else if (kind == "limit" || kind == "quota" || kind == "meter") {
        rule.conditions.push_back(Fit::Unknown);
        words.push_back(kind + " …");
    } else if (kind == "queue" || kind == "vmap" || kind == "dup" || kind == "fwd") {
        rule.verdict = Verdict::Unknown;
        words.push_back(kind + " …");
    }
    // Counters, logging and the like change nothing for the reply.
}

std::string qualified(const json& object, const std::string& name) {
    return object.value("family", "") + " " + object.value("table", "") + " " + name;
}

FilterChain chainOf(const json& chain) {
    FilterChain result;
    result.name = qualified(chain, chain.value("name", ""));
    const std::string family = chain.value("family", "");
    result.inputHook = chain.value("hook", "") == "input" && (family == "ip" || family == "inet") &&
                       chain.value("type", "filter") == "filter";
    result.dropPolicy = chain.value("policy", "accept") == "drop";
    return result;
}

FilterRule ruleOf(const json& rule) {
    FilterRule result;
    std::vector<std::string> words;
    if (rule.contains("expr") && rule["expr"].is_array()) {
        for (const json& statement : rule["expr"]) {
            if (statement.is_object() && statement.size() == 1) {
                addStatement(statement.begin().key(), statement.begin().value(), result, words);
            }
        }
    }
    if (!result.target.empty()) {
        result.target = qualified(rule, result.target);
    }
    result.text = qualified(rule, rule.value("chain", "")) + ":";
    for (const std::string& word : words) {
        result.text += " " + word;
    }
    return result;
}

} // namespace

bool nftablesChains(std::string_view text, std::vector<FilterChain>& chains) try {
    const json document = json::parse(text, nullptr, false);
    if (document.is_discarded() || !document.is_object() || !document.contains("nftables") ||
        !document["nftables"].is_array()) {
        return false;
    }
    std::map<std::string, std::vector<FilterRule>> rulesByChain;
    for (const json& entry : document["nftables"]) {
        if (!entry.is_object()) {
            continue;
        }
        if (entry.contains("chain") && entry["chain"].is_object()) {
            chains.push_back(chainOf(entry["chain"]));
        } else if (entry.contains("rule") && entry["rule"].is_object()) {
            const json& rule = entry["rule"];
            rulesByChain[qualified(rule, rule.value("chain", ""))].push_back(ruleOf(rule));
        }
    }
    for (FilterChain& chain : chains) {
        chain.rules = std::move(rulesByChain[chain.name]);
    }
    return true;
} catch (const nlohmann::json::exception&) { // a field of an unexpected type
    chains.clear();
    return false;
}

} // namespace vistrel::net
