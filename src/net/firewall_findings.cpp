#include "net/firewall_rules.h"

#include <algorithm>
#include <charconv>

namespace vistrel::net {

namespace {

// Where a camera's reply ends in one chain: a definite answer, or Open when some rule may
// accept it or may change its way in a manner not known here.
struct Outcome {
    enum class Kind { FellThrough, Accepted, Dropped, Open };
    Kind kind = Kind::FellThrough;
    std::string droppedBy; // the rule's text when a rule dropped it
};

constexpr int kMaxJumpDepth = 16;

bool mayApply(const FilterRule& rule) {
    return std::ranges::none_of(rule.conditions, [](Fit fit) { return fit == Fit::No; });
}

bool appliesSurely(const FilterRule& rule) {
    return std::ranges::all_of(rule.conditions, [](Fit fit) { return fit == Fit::Yes; });
}

const FilterChain* chainNamed(const std::vector<FilterChain>& chains, const std::string& name) {
    const auto found =
        std::ranges::find_if(chains, [&name](const FilterChain& c) { return c.name == name; });
    return found == chains.end() ? nullptr : &*found;
}

Outcome follow(const std::vector<FilterChain>& chains, const FilterChain& chain, int depth);

// The outcome of one rule that may apply; FellThrough lets the chain go on.
Outcome outcomeOfRule(const std::vector<FilterChain>& chains, const FilterRule& rule, int depth) {
    using Verdict = FilterRule::Verdict;
    using Kind = Outcome::Kind;
    const bool sure = appliesSurely(rule);
    switch (rule.verdict) {
    case Verdict::None:
        return {};
    case Verdict::Accept:
        return {sure ? Kind::Accepted : Kind::Open, {}};
    case Verdict::Drop:
        return sure ? Outcome{Kind::Dropped, rule.text} : Outcome{};
    case Verdict::Jump:
    case Verdict::Goto: {
        const FilterChain* target = chainNamed(chains, rule.target);
        if (target == nullptr || depth >= kMaxJumpDepth) {
            return {Kind::Open, {}};
        }
        const Outcome inner = follow(chains, *target, depth + 1);
        if (inner.kind == Kind::FellThrough || (!sure && inner.kind == Kind::Dropped)) {
            return {};
        }
        return sure ? inner : Outcome{Kind::Open, {}};
    }
    case Verdict::Return:
        return {sure ? Kind::FellThrough : Kind::Open, {}};
    case Verdict::Unknown:
        break;
    }
    return {Kind::Open, {}};
}

Outcome follow(const std::vector<FilterChain>& chains, const FilterChain& chain, int depth) {
    for (const FilterRule& rule : chain.rules) {
        if (!mayApply(rule)) {
            continue;
        }
        const Outcome outcome = outcomeOfRule(chains, rule, depth);
        // A return, or a goto whose chain ended without a verdict, ends this chain too.
        const bool ends = rule.verdict == FilterRule::Verdict::Return ||
                          (rule.verdict == FilterRule::Verdict::Goto && appliesSurely(rule));
        const bool returned = ends && outcome.kind == Outcome::Kind::FellThrough;
        if (outcome.kind != Outcome::Kind::FellThrough || returned) {
            return outcome;
        }
    }
    return {};
}

// The chains a base chain reaches through jumps that may apply, itself included.
std::vector<const FilterChain*> reachedFrom(const std::vector<FilterChain>& chains,
                                            const FilterChain& start) {
    std::vector<const FilterChain*> reached{&start};
    for (std::size_t i = 0; i < reached.size(); ++i) {
        for (const FilterRule& rule : reached[i]->rules) {
            const FilterChain* target = chainNamed(chains, rule.target);
            const bool jumps = rule.verdict == FilterRule::Verdict::Jump ||
                               rule.verdict == FilterRule::Verdict::Goto;
            if (jumps && mayApply(rule) && target &&
                std::ranges::find(reached, target) == reached.end()) {
                reached.push_back(target);
            }
        }
    }
    return reached;
}

void addOnce(std::vector<std::string>& texts, const std::string& text) {
    if (std::ranges::find(texts, text) == texts.end()) {
        texts.push_back(text);
    }
}

Fit coverage(std::string_view range) {
    const std::size_t colon = range.find(':');
    const std::string_view first = range.substr(0, colon);
    const std::string_view last = colon == std::string_view::npos ? first : range.substr(colon + 1);
    unsigned low = 0;
    unsigned high = 0;
    const bool lowRead =
        first.empty() ||
        std::from_chars(first.data(), first.data() + first.size(), low).ec == std::errc();
    high = 65535;
    const bool highRead =
        last.empty() ||
        std::from_chars(last.data(), last.data() + last.size(), high).ec == std::errc();
    if (!lowRead || !highRead) {
        return Fit::Unknown; // a service name
    }
    return low <= kCameraPort && kCameraPort <= high ? Fit::Yes : Fit::No;
}

} // namespace

Fit portListFit(std::string_view list) {
    Fit result = Fit::No;
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const Fit fit = coverage(list.substr(0, comma));
        if (fit == Fit::Yes) {
            return Fit::Yes;
        }
        if (fit == Fit::Unknown) {
            result = Fit::Unknown;
        }
        list.remove_prefix(comma == std::string_view::npos ? list.size() : comma + 1);
    }
    return result;
}

FirewallFindings findingsOf(const std::vector<FilterChain>& chains) {
    FirewallFindings findings;
    for (const FilterChain& chain : chains) {
        if (!chain.inputHook) {
            continue;
        }
        for (const FilterChain* reached : reachedFrom(chains, chain)) {
            for (const FilterRule& rule : reached->rules) {
                if (rule.verdict == FilterRule::Verdict::Drop && rule.namesCameraTraffic &&
                    mayApply(rule)) {
                    addOnce(findings.droppingRules, rule.text);
                }
            }
        }
        // Every base chain sees the reply, and a drop in any of them is final.
        const Outcome outcome = follow(chains, chain, 0);
        const bool droppedByPolicy = outcome.kind == Outcome::Kind::FellThrough && chain.dropPolicy;
        const bool droppedByCatchAll =
            outcome.kind == Outcome::Kind::Dropped &&
            std::ranges::find(findings.droppingRules, outcome.droppedBy) ==
                findings.droppingRules.end();
        if (droppedByPolicy || droppedByCatchAll) {
            addOnce(findings.dropPolicyChains, chain.name);
        }
    }
    return findings;
}

} // namespace vistrel::net
