// The filter table of `iptables-save`: its INPUT chain, the chains INPUT jumps to, and what
// each rule's options say about a camera's reply.

#include "net/firewall_rules.h"

#include <algorithm>
#include <optional>
#include <sstream>

namespace vistrel::net {

namespace {

// The words of a rule line; a quoted word (a comment) is one word without its quotes.
std::vector<std::string> wordsOf(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream stream(line);
    std::string word;
    while (stream >> std::ws && !stream.eof()) {
        if (stream.peek() == '"') {
            stream.get();
            word.clear();
            for (char c = 0; stream.get(c) && c != '"';) {
                if (c == '\\' && stream.peek() != EOF) {
                    stream.get(c);
                }
                word += c;
            }
        } else {
            stream >> word;
        }
        words.push_back(word);
    }
    return words;
}

Fit protocolFit(const std::string& protocol) {
    return protocol == "udp" || protocol == "17" || protocol == "all" || protocol == "0" ? Fit::Yes
                                                                                         : Fit::No;
}

Fit stateFit(const std::string& states) {
    std::istringstream list(states);
    std::string state;
    while (std::getline(list, state, ',')) {
        if (state == "NEW" || state == "UNTRACKED") {
            return Fit::Yes;
        }
    }
    return Fit::No;
}

Fit negated(Fit fit) {
    return fit == Fit::Yes ? Fit::No : fit == Fit::No ? Fit::Yes : Fit::Unknown;
}

bool isOption(const std::string& word) {
    return word.size() > 1 && word[0] == '-';
}

bool oneOf(const std::string& word, std::initializer_list<std::string_view> names) {
    return std::ranges::find(names, word) != names.end();
}

// The verdict of a -j target: the standard ones, a chain of the table, or an extension that
// lets the packet go on (LOG, MARK and the like).
void setTarget(const std::string& target, const std::vector<std::string>& userChains,
               FilterRule& rule) {
    using Verdict = FilterRule::Verdict;
    if (target == "ACCEPT") {
        rule.verdict = Verdict::Accept;
    } else if (target == "DROP" || target == "REJECT") {
        rule.verdict = Verdict::Drop;
    } else if (target == "RETURN") {
        rule.verdict = Verdict::Return;
    } else if (target == "QUEUE" || target == "NFQUEUE") {
        rule.verdict = Verdict::Unknown;
    } else if (std::ranges::find(userChains, target) != userChains.end()) {
        rule.verdict = Verdict::Jump;
        rule.target = target;
    }
}

FilterRule ruleOf(const std::string& line, const std::vector<std::string>& userChains) {
    FilterRule rule;
    rule.text = line;
    const std::vector<std::string> words = wordsOf(line);
    bool negate = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "!") {
            negate = true;
            continue;
        }
        const std::string value = i + 1 < words.size() ? words[i + 1] : std::string();
        std::optional<Fit> fit;
        bool aboutCameraTraffic = false;
        if (oneOf(word, {"-A", "--append", "-m", "--match", "--comment"})) {
            ++i;
        } else if (oneOf(word, {"-j", "--jump"})) {
            setTarget(value, userChains, rule);
            ++i;
        } else if (oneOf(word, {"-g", "--goto"})) {
            rule.verdict = FilterRule::Verdict::Goto;
            rule.target = value;
            ++i;
        } else if (oneOf(word, {"-p", "--protocol"})) {
            fit = protocolFit(value);
            aboutCameraTraffic = value == "udp" || value == "17";
            ++i;
        } else if (oneOf(word,
                         {"--dport", "--destination-port", "--sport", "--source-port", "--dports",
                          "--destination-ports", "--sports", "--source-ports", "--ports"})) {
            fit = portListFit(value);
            aboutCameraTraffic = true;
            ++i;
        } else if (oneOf(word, {"-i", "--in-interface"})) {
            fit = value == "lo" ? Fit::No : Fit::Unknown;
            ++i;
        } else if (oneOf(word, {"--state", "--ctstate"})) {
            fit = stateFit(value);
            ++i;
        } else if (isOption(word)) {
            fit = Fit::Unknown; // addresses, marks, limits: not known here
            while (i + 1 < words.size() && !isOption(words[i + 1]) && words[i + 1] != "!") {
                ++i;
            }
        }
        if (fit) {
            const Fit result = negate ? negated(*fit) : *fit;
            rule.conditions.push_back(result);
            rule.namesCameraTraffic =
                rule.namesCameraTraffic || (aboutCameraTraffic && !negate && result == Fit::Yes);
        }
        negate = false;
    }
    return rule;
}

} // namespace

bool iptablesChains(std::string_view text, std::vector<FilterChain>& chains) {
    std::istringstream lines{std::string(text)};
    std::string line;
    std::string table;
    bool sawTable = false;
    std::vector<std::string> userChains;
    while (std::getline(lines, line)) {
        if (line.starts_with('*')) {
            table = line.substr(1);
            sawTable = true;
        } else if (table != "filter") {
            continue;
        } else if (line.starts_with(':')) {
            std::istringstream fields(line.substr(1));
            FilterChain chain;
            std::string policy;
            fields >> chain.name >> policy;
            chain.inputHook = chain.name == "INPUT";
            chain.dropPolicy = policy == "DROP";
            if (policy == "-") {
                userChains.push_back(chain.name);
            }
            chains.push_back(chain);
        } else if (const std::vector<std::string> words = wordsOf(line);
                   words.size() >= 2 && words[0] == "-A") {
            const std::string& chainName = words[1];
            const auto chain = std::ranges::find_if(
                chains, [&chainName](const FilterChain& c) { return c.name == chainName; });
            if (chain != chains.end()) {
                chain->rules.push_back(ruleOf(line, userChains));
            }
        }
    }
    // iptables-save prints nothing at all when no table has a rule.
    return sawTable || text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

} // namespace vistrel::net
