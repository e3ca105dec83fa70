#include "cli/command_line_options.h"

#include "protocol/address_text.h"
#include "protocol/hex_digit.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <map>

namespace vistrel {

namespace {

enum class Option {
    List,
    Show,
    Configure,
    Snapshot,
    Screenshot,
    Version,
    Json,
    Wait,
    Dhcp,
    Ip,
    Netmask,
    Gateway,
    Dns,
    Port,
    Name,
    ChangePassword,
    Output,
    Count,
    Interface,
};

struct OptionEntry {
    Option option;
    std::string_view name;
    std::string_view valueName;  // empty: a flag
    std::string_view value = {}; // what the value is, in words
};

constexpr std::array kOptions{
    OptionEntry{Option::List, "--list", ""},
    OptionEntry{Option::Show, "--show", "MAC", "a MAC address"},
    OptionEntry{Option::Configure, "--configure", "MAC", "a MAC address"},
    OptionEntry{Option::Snapshot, "--snapshot", "MAC|IP", "a MAC or IPv4 address"},
    OptionEntry{Option::Screenshot, "--screenshot", "FILE", "a file name"},
    OptionEntry{Option::Version, "--version", ""},
    OptionEntry{Option::Json, "--json", ""},
    OptionEntry{Option::Wait, "--wait", "SECONDS", "a number of seconds"},
    OptionEntry{Option::Dhcp, "--dhcp", ""},
    OptionEntry{Option::Ip, "--ip", "ADDRESS", "an address"},
    OptionEntry{Option::Netmask, "--netmask", "MASK", "a netmask"},
    OptionEntry{Option::Gateway, "--gateway", "ADDRESS", "an address"},
    OptionEntry{Option::Dns, "--dns", "ADDRESS", "an address"},
    OptionEntry{Option::Port, "--port", "PORT", "a port number"},
    OptionEntry{Option::Name, "--name", "NAME", "a name"},
    OptionEntry{Option::ChangePassword, "--change-password", ""},
    OptionEntry{Option::Output, "--output", "FILE", "a file name"},
    OptionEntry{Option::Count, "--count", "N", "a number of pictures"},
    OptionEntry{Option::Interface, "--interface", "NAME", "an interface name"},
};

// Options that may be given more than once; each value counts.
constexpr std::array kRepeatableOptions{Option::Interface};

constexpr std::array kModeOptions{Option::List,     Option::Show,       Option::Configure,
                                  Option::Snapshot, Option::Screenshot, Option::Version};

constexpr double kLongestWaitSeconds = 3600;

constexpr std::string_view kSeeHelp = " (vistrel-finder --help lists the options)";

const OptionEntry& specOf(Option option) {
    return *std::ranges::find(kOptions, option, &OptionEntry::option);
}

std::string nameOf(Option option) {
    return std::string(specOf(option).name);
}

// The options given, in the order given, with their values.
using GivenOptions = std::map<Option, std::string>;

struct Scan {
    GivenOptions given; // the first value of a repeatable option
    std::vector<Option> order;
    std::vector<std::string> interfaceNames; // every --interface
    std::string error;
};

bool looksLikeOption(std::string_view argument) {
    return argument.size() > 1 && argument.front() == '-';
}

// Reads "--name", "--name value" or "--name=value" at arguments[index]; advances index past
// what it read.
std::string readOption(const std::vector<std::string>& arguments, std::size_t& index, Scan& scan) {
    const std::string_view argument = arguments[index++];
    if (!looksLikeOption(argument)) {
        return "unexpected argument '" + std::string(argument) + "'" + std::string(kSeeHelp);
    }
    const auto equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    const auto entry = std::ranges::find(kOptions, name, &OptionEntry::name);
    if (entry == kOptions.end()) {
        return "unknown option " + std::string(name) + std::string(kSeeHelp);
    }
    const bool repeatable =
        std::ranges::find(kRepeatableOptions, entry->option) != kRepeatableOptions.end();
    if (scan.given.contains(entry->option) && !repeatable) {
        return std::string(name) + " is given twice";
    }
    std::string value;
    if (entry->valueName.empty()) {
        if (equals != std::string_view::npos) {
            return std::string(name) + " takes no value";
        }
    } else if (equals != std::string_view::npos) {
        value = std::string(argument.substr(equals + 1));
    } else if (index < arguments.size() && !arguments[index].starts_with("--")) {
        value = arguments[index++];
    } else {
        return std::string(name) + " needs " + std::string(entry->value) + " (" +
               std::string(name) + " " + std::string(entry->valueName) + ")";
    }
    if (entry->option == Option::Interface) {
        if (value.empty()) {
            return std::string(name) + " needs " + std::string(entry->value);
        }
        if (std::ranges::find(scan.interfaceNames, value) == scan.interfaceNames.end()) {
            scan.interfaceNames.push_back(value);
        }
    }
    scan.given.emplace(entry->option, std::move(value));
    scan.order.push_back(entry->option);
    return {};
}

Scan scanArguments(const std::vector<std::string>& arguments) {
    Scan scan;
    for (std::size_t index = 0; index < arguments.size() && scan.error.empty();) {
        scan.error = readOption(arguments, index, scan);
    }
    return scan;
}

std::optional<double> secondsOf(std::string_view text) {
    double seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(seconds) || seconds < 0 || seconds > kLongestWaitSeconds) {
        return std::nullopt;
    }
    return seconds;
}

Mode modeOf(Option option) {
    switch (option) {
    case Option::List:
        return Mode::List;
    case Option::Show:
        return Mode::Show;
    case Option::Configure:
        return Mode::Configure;
    case Option::Snapshot:
        return Mode::Snapshot;
    case Option::Screenshot:
        return Mode::Screenshot;
    default:
        return Mode::Version;
    }
}

// The mode, or an error when two were given.
std::string chooseMode(const Scan& scan, Mode& mode) {
    std::vector<Option> modes;
    std::ranges::copy_if(scan.order, std::back_inserter(modes), [](Option option) {
        return std::ranges::find(kModeOptions, option) != kModeOptions.end();
    });
    if (modes.size() > 1) {
        return nameOf(modes[0]) + " and " + nameOf(modes[1]) + " cannot be used together";
    }
    mode = modes.empty() ? Mode::Window : modeOf(modes.front());
    return {};
}

struct Companion {
    Option option;
    std::vector<Mode> modes;
    std::string_view goesWith;
};

// Which options go with which modes.
const std::vector<Companion>& companions() {
    static const std::vector<Companion> table = [] {
        std::vector<Companion> list{
            {Option::Json,
             {Mode::List, Mode::Show, Mode::Configure},
             "--list, --show or --configure"},
            {Option::Wait,
             {Mode::List, Mode::Show, Mode::Configure, Mode::Snapshot, Mode::Screenshot},
             "--list, --show, --configure, --snapshot or --screenshot"},
            {Option::Port, {Mode::Configure, Mode::Snapshot}, "--configure or --snapshot"},
            {Option::Interface,
             {Mode::List, Mode::Show, Mode::Configure, Mode::Snapshot},
             "--list, --show, --configure or --snapshot MAC"}};
        for (Option option : {Option::Dhcp, Option::Ip, Option::Netmask, Option::Gateway,
                              Option::Dns, Option::Name, Option::ChangePassword}) {
            list.push_back({option, {Mode::Configure}, "--configure"});
        }
        for (Option option : {Option::Output, Option::Count}) {
            list.push_back({option, {Mode::Snapshot}, "--snapshot"});
        }
        return list;
    }();
    return table;
}

std::string checkCompanions(const Scan& scan, Mode mode) {
    for (const Companion& companion : companions()) {
        if (scan.given.contains(companion.option) &&
            std::ranges::find(companion.modes, mode) == companion.modes.end()) {
            return nameOf(companion.option) + " goes with " + std::string(companion.goesWith);
        }
    }
    return {};
}

std::optional<std::string> valueOf(const GivenOptions& given, Option option) {
    const auto found = given.find(option);
    return found == given.end() ? std::nullopt : std::optional(found->second);
}

std::string readChanges(const GivenOptions& given, ConfigureChanges& changes) {
    changes.dhcp = given.contains(Option::Dhcp);
    changes.ip = valueOf(given, Option::Ip);
    changes.netmask = valueOf(given, Option::Netmask);
    changes.gateway = valueOf(given, Option::Gateway);
    changes.dns = valueOf(given, Option::Dns);
    changes.webPort = valueOf(given, Option::Port);
    changes.name = valueOf(given, Option::Name);
    changes.changePassword = given.contains(Option::ChangePassword);
    if (changes.dhcp && changes.changesAddress()) {
        return "--dhcp cannot be used with --ip, --netmask, --gateway or --dns";
    }
    if (changes.ip && !changes.netmask) {
        return "--ip needs --netmask";
    }
    if (!changes.changesAnything()) {
        return "--configure needs a change: --dhcp, --ip, --netmask, --gateway, --dns, --port, "
               "--name or --change-password";
    }
    return {};
}

std::string readMac(const GivenOptions& given, Option option, std::string& mac) {
    const std::string& text = given.at(option);
    const auto normalized = normalizedMacText(text);
    if (!normalized) {
        return nameOf(option) + ": '" + text +
               "' is not a MAC address (six pairs of hexadecimal digits, such as "
               "00:1a:2b:3c:4d:5e)";
    }
    mac = *normalized;
    return {};
}

std::optional<long> wholeNumberOf(std::string_view text, long least, long most) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < least ||
        value > most) {
        return std::nullopt;
    }
    return value;
}

std::string readSnapshot(const GivenOptions& given, CommandLine& line) {
    SnapshotRequest& snapshot = line.snapshot;
    const std::string& camera = given.at(Option::Snapshot);
    if (const auto mac = normalizedMacText(camera)) {
        line.mac = *mac;
    } else if (const auto ip = parseDottedDecimal(camera)) {
        // Written again without leading zeros, which the system's lookup would read as octal.
        snapshot.ip = formatDottedDecimal(*ip);
        if (given.contains(Option::Interface)) {
            return "--interface restricts a search; --snapshot with an IP address searches for "
                   "nothing";
        }
    } else {
        return "--snapshot: '" + camera +
               "' is neither a MAC address (such as 00:1a:2b:3c:4d:5e) nor an IPv4 address "
               "(such as 192.168.1.20)";
    }
    if (const auto port = valueOf(given, Option::Port)) {
        const auto number = wholeNumberOf(*port, 1, 65535);
        if (!number) {
            return "--port takes a port number from 1 to 65535, not '" + *port + "'";
        }
        snapshot.port = static_cast<std::uint16_t>(*number);
    }
    if (const auto count = valueOf(given, Option::Count)) {
        const auto number = wholeNumberOf(*count, 1, kMostSnapshots);
        if (!number) {
            return "--count takes a number of pictures from 1 to " +
                   std::to_string(kMostSnapshots) + ", not '" + *count + "'";
        }
        snapshot.count = static_cast<int>(*number);
    }
    snapshot.output = valueOf(given, Option::Output).value_or(snapshot.output);
    return snapshot.output.empty() ? "--output needs a file name" : std::string();
}

std::string readValues(const Scan& scan, CommandLine& line) {
    const GivenOptions& given = scan.given;
    line.json = given.contains(Option::Json);
    line.interfaceNames = scan.interfaceNames;
    line.waitMilliseconds = defaultWaitMilliseconds(line.mode);
    if (const auto wait = valueOf(given, Option::Wait)) {
        const auto seconds = secondsOf(*wait);
        if (!seconds) {
            return "--wait takes a number of seconds from 0 to 3600, not '" + *wait + "'";
        }
        line.waitMilliseconds = static_cast<int>(std::lround(*seconds * 1000));
    }
    switch (line.mode) {
    case Mode::Show:
        return readMac(given, Option::Show, line.mac);
    case Mode::Configure:
        if (std::string error = readMac(given, Option::Configure, line.mac); !error.empty()) {
            return error;
        }
        return readChanges(given, line.changes);
    case Mode::Snapshot:
        return readSnapshot(given, line);
    case Mode::Screenshot:
        line.screenshotFile = given.at(Option::Screenshot);
        return line.screenshotFile.empty() ? "--screenshot needs a file name" : std::string();
    default:
        return {};
    }
}

bool asksForHelp(const std::vector<std::string>& arguments) {
    return std::ranges::any_of(arguments, [](const std::string& argument) {
        return argument == "--help" || argument == "-h";
    });
}

} // namespace

std::optional<std::string> normalizedMacText(std::string_view text) {
    constexpr std::size_t kMacTextLength = 17;
    if (text.size() != kMacTextLength) {
        return std::nullopt;
    }
    std::string normalized;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (i % 3 == 2) {
            if (c != ':' && c != '-') {
                return std::nullopt;
            }
            normalized += ':';
        } else if (const int value = hexDigitValue(c); value >= 0) {
            normalized += "0123456789abcdef"[value];
        } else {
            return std::nullopt;
        }
    }
    return normalized;
}

std::string snapshotFileName(const std::string& output, int index, int count) {
    if (count == 1) {
        return output;
    }
    std::string number = std::to_string(index);
    const std::size_t width = std::max<std::size_t>(3, std::to_string(count).size());
    number.insert(0, width - std::min(width, number.size()), '0');
    // The extension is the last dot's part of the file's own name, unless the name starts
    // with that dot (".jpg" is a name, not an extension).
    const std::size_t nameStart = output.find_last_of('/') + 1;
    const std::size_t dot = output.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && dot > nameStart;
    const std::size_t cut = hasExtension ? dot : output.size();
    return output.substr(0, cut) + "-" + number + output.substr(cut);
}

int defaultWaitMilliseconds(Mode mode) {
    switch (mode) {
    case Mode::Show:
        return 5000;
    case Mode::Snapshot:
        return 10000;
    case Mode::Configure:
        return 20000;
    default:
        return 3000;
    }
}

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    if (asksForHelp(arguments)) {
        CommandLine help;
        help.mode = Mode::Help;
        return {help, {}};
    }
    const Scan scan = scanArguments(arguments);
    if (!scan.error.empty()) {
        return {std::nullopt, scan.error};
    }
    CommandLine line;
    std::string error = chooseMode(scan, line.mode);
    if (error.empty()) {
        error = checkCompanions(scan, line.mode);
    }
    if (error.empty()) {
        error = readValues(scan, line);
    }
    if (!error.empty()) {
        return {std::nullopt, error};
    }
    return {line, {}};
}

std::string versionText() {
    return "vistrel-finder " VISTREL_VERSION "\n";
}

} // namespace vistrel
