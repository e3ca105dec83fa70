#include "cli/command_line_options.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

using Arguments = std::vector<std::string>;

constexpr const char* kMac = "02:56:49:00:01:0a";

struct UsageErrorCase {
    const char* name;
    Arguments arguments;
    const char* error; // a part of the one-line message
};

const UsageErrorCase kUsageErrors[] = {
    {"unknown option", {"--bogus"}, "unknown option --bogus (vistrel-finder --help lists"},
    {"unknown short option", {"-x"}, "unknown option -x"},
    {"unknown option after a mode", {"--list", "--colour"}, "unknown option --colour"},
    {"stray argument", {"--list", "now"}, "unexpected argument 'now' (vistrel-finder --help"},
    {"mode without its MAC", {"--show"}, "--show needs a MAC address (--show MAC)"},
    {"MAC taken for an option", {"--configure", "--dhcp"}, "--configure needs a MAC address"},
    {"value missing at the end", {"--list", "--wait"}, "--wait needs a number of seconds"},
    {"short MAC", {"--show", "02:56:49:00:01"}, "is not a MAC address"},
    {"MAC with a letter beyond f", {"--show", "02:56:49:00:01:0g"}, "is not a MAC address"},
    {"MAC with one-digit pairs", {"--show", "2:56:49:0:1:a:00"}, "is not a MAC address"},
    {"MAC with dots", {"--configure", "02.56.49.00.01.0a", "--dhcp"}, "is not a MAC address"},
    {"two modes", {"--list", "--show", kMac}, "--list and --show cannot be used together"},
    {"version and a mode", {"--version", "--list"}, "cannot be used together"},
    {"option given twice", {"--list", "--list"}, "--list is given twice"},
    {"flag with a value", {"--list", "--json=yes"}, "--json takes no value"},
    {"json without a mode", {"--json"}, "--json goes with --list, --show or --configure"},
    {"json with the window", {"--screenshot", "a.png", "--json"}, "--json goes with"},
    {"wait without a mode", {"--wait", "2"}, "--wait goes with"},
    {"change without --configure", {"--show", kMac, "--dhcp"}, "--dhcp goes with --configure"},
    {"password flag with --list", {"--list", "--change-password"}, "goes with --configure"},
    {"configure without a change", {"--configure", kMac}, "--configure needs a change"},
    {"dhcp and an address",
     {"--configure", kMac, "--dhcp", "--dns", "1.1.1.1"},
     "--dhcp cannot be used with --ip, --netmask, --gateway or --dns"},
    {"ip without netmask", {"--configure", kMac, "--ip", "10.0.0.2"}, "--ip needs --netmask"},
    {"wait not a number", {"--list", "--wait", "soon"}, "--wait takes a number of seconds"},
    {"wait negative", {"--list", "--wait", "-1"}, "--wait takes"},
    {"wait too long", {"--show", kMac, "--wait", "3601"}, "--wait takes"},
    {"wait infinite", {"--list", "--wait=inf"}, "--wait takes"},
    {"wait not a number at all", {"--list", "--wait=nan"}, "--wait takes"},
    {"wait with a decimal comma", {"--list", "--wait", "1,5"}, "--wait takes"},
    {"wait empty", {"--list", "--wait="}, "--wait takes"},
    {"screenshot without a file", {"--screenshot="}, "--screenshot needs a file name"},
    {"snapshot without a camera", {"--snapshot"}, "--snapshot needs a MAC or IPv4 address"},
    {"snapshot of a host name", {"--snapshot", "camera.local"}, "is neither a MAC address"},
    {"snapshot of a short address", {"--snapshot", "192.168.1"}, "is neither a MAC address"},
    {"snapshot of an octet above 255", {"--snapshot", "192.168.1.256"}, "is neither"},
    {"snapshot of an address with a port", {"--snapshot", "10.0.0.2:80"}, "is neither"},
    {"snapshot port zero", {"--snapshot", kMac, "--port", "0"}, "--port takes a port number"},
    {"snapshot port too large", {"--snapshot", kMac, "--port=65536"}, "from 1 to 65535"},
    {"snapshot port not a number", {"--snapshot", kMac, "--port", "http"}, "not 'http'"},
    {"count zero", {"--snapshot", kMac, "--count", "0"}, "--count takes a number of pictures"},
    {"count too large", {"--snapshot", kMac, "--count", "10001"}, "from 1 to 10000"},
    {"count negative", {"--snapshot", kMac, "--count=-2"}, "--count takes"},
    {"count with a fraction", {"--snapshot", kMac, "--count", "1.5"}, "--count takes"},
    {"empty output", {"--snapshot", kMac, "--output="}, "--output needs a file name"},
    {"output without snapshot", {"--list", "--output", "a.jpg"}, "--output goes with --snapshot"},
    {"count without snapshot", {"--show", kMac, "--count", "2"}, "--count goes with --snapshot"},
    {"port with --show", {"--show", kMac, "--port", "80"}, "--configure or --snapshot"},
    {"snapshot and a change", {"--snapshot", kMac, "--dhcp"}, "--dhcp goes with --configure"},
    {"snapshot with json", {"--snapshot", kMac, "--json"}, "--json goes with"},
    {"interface without a name", {"--list", "--interface"}, "--interface needs an interface"},
    {"interface empty", {"--list", "--interface="}, "--interface needs an interface name"},
    {"interface with the window", {"--interface", "eth0"}, "--interface goes with --list"},
    {"interface for an address",
     {"--snapshot", "10.0.0.2", "--interface", "eth0"},
     "--snapshot with an IP address searches for nothing"},
};

TEST(CommandLineOptions, RefusesWhatMakesNoSenseWithOneLine) {
    for (const UsageErrorCase& c : kUsageErrors) {
        SCOPED_TRACE(c.name);
        const ParsedCommandLine parsed = parseCommandLine(c.arguments);
        EXPECT_FALSE(parsed.commandLine);
        EXPECT_NE(parsed.error.find(c.error), std::string::npos) << parsed.error;
        EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
    }
}

CommandLine parsed(const Arguments& arguments) {
    ParsedCommandLine result = parseCommandLine(arguments);
    EXPECT_TRUE(result.commandLine) << result.error;
    return result.commandLine.value_or(CommandLine{});
}

TEST(CommandLineOptions, ChoosesTheModeAndItsDefaultWait) {
    const struct {
        Arguments arguments;
        Mode mode;
        int wait;
    } cases[] = {
        {{}, Mode::Window, 3000},
        {{"--list"}, Mode::List, 3000},
        {{"--show", kMac}, Mode::Show, 5000},
        {{"--configure", kMac, "--dhcp"}, Mode::Configure, 20000},
        {{"--screenshot", "finder.png"}, Mode::Screenshot, 3000},
        {{"--version"}, Mode::Version, 3000},
        {{"--list", "--wait", "1.5"}, Mode::List, 1500},
        {{"--show", kMac, "--wait=0"}, Mode::Show, 0},
        {{"--configure", kMac, "--name", "x", "--wait", "3600"}, Mode::Configure, 3600000},
        {{"--snapshot", kMac}, Mode::Snapshot, 10000},
        {{"--snapshot", "10.0.0.2", "--wait", "2.5"}, Mode::Snapshot, 2500},
    };
    for (const auto& c : cases) {
        const CommandLine line = parsed(c.arguments);
        EXPECT_EQ(line.mode, c.mode);
        EXPECT_EQ(line.waitMilliseconds, c.wait);
    }
    EXPECT_TRUE(needsWindow(Mode::Window));
    EXPECT_TRUE(needsWindow(Mode::Screenshot));
    for (Mode mode :
         {Mode::List, Mode::Show, Mode::Configure, Mode::Snapshot, Mode::Version, Mode::Help}) {
        EXPECT_FALSE(needsWindow(mode));
    }
}

// --interface may be repeated; each name counts once, in the order given.
TEST(CommandLineOptions, InterfacesNamedForASearch) {
    EXPECT_TRUE(parsed({"--list"}).interfaceNames.empty());
    EXPECT_EQ(parsed({"--list", "--interface", "eth1", "--interface=wlan0", "--interface", "eth1"})
                  .interfaceNames,
              (std::vector<std::string>{"eth1", "wlan0"}));
    for (const Arguments& arguments :
         {Arguments{"--show", kMac, "--interface", "eth1"},
          Arguments{"--configure", kMac, "--dhcp", "--interface", "eth1"},
          Arguments{"--snapshot", kMac, "--interface", "eth1"}}) {
        EXPECT_EQ(parsed(arguments).interfaceNames, std::vector<std::string>{"eth1"});
    }
}

TEST(CommandLineOptions, HelpWinsOverEverythingElse) {
    for (const Arguments& arguments :
         {Arguments{"--help"}, Arguments{"-h"}, Arguments{"--list", "--bogus", "--help"}}) {
        EXPECT_EQ(parsed(arguments).mode, Mode::Help);
    }
    const std::string help = helpText();
    for (const char* option : {"--list",
                               "--show MAC",
                               "--configure MAC",
                               "--screenshot FILE",
                               "--version",
                               "--help",
                               "--json",
                               "--wait SECONDS",
                               "--dhcp",
                               "--ip ADDRESS",
                               "--netmask MASK",
                               "--gateway ADDRESS",
                               "--dns ADDRESS",
                               "--port PORT",
                               "--name NAME",
                               "--change-password",
                               "--snapshot MAC|IP",
                               "--output FILE",
                               "--count N",
                               "snapshot-001.jpg",
                               "VISTREL_PASSWORD",
                               "VISTREL_NEW_PASSWORD"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
}

TEST(CommandLineOptions, ConfigureKeepsOnlyTheChangesGivenAsTyped) {
    const CommandLine line =
        parsed({"--configure", "02-56-49-00-01-0A", "--ip", "10.0.0.2", "--netmask=255.0.0.0",
                "--port", "8080", "--name", "Front -- door", "--json"});
    EXPECT_EQ(line.mac, kMac);
    EXPECT_TRUE(line.json);
    const ConfigureChanges& changes = line.changes;
    EXPECT_FALSE(changes.dhcp);
    EXPECT_EQ(changes.ip, "10.0.0.2");
    EXPECT_EQ(changes.netmask, "255.0.0.0");
    EXPECT_FALSE(changes.gateway);
    EXPECT_FALSE(changes.dns);
    EXPECT_EQ(changes.webPort, "8080");
    EXPECT_EQ(changes.name, "Front -- door");
    EXPECT_FALSE(changes.changePassword);

    // A value that starts with a dash needs the '=' form only when it starts with two.
    EXPECT_EQ(parsed({"--configure", kMac, "--name=--x--"}).changes.name, "--x--");
    EXPECT_EQ(parsed({"--configure", kMac, "--name", "-x"}).changes.name, "-x");
    EXPECT_TRUE(parsed({"--configure", kMac, "--change-password"}).changes.changePassword);
}

TEST(CommandLineOptions, SnapshotTakesAMacOrAnAddressAndItsFiles) {
    const CommandLine byMac = parsed({"--snapshot", "02-56-49-00-01-0A"});
    EXPECT_EQ(byMac.mac, kMac);
    EXPECT_EQ(byMac.snapshot.ip, "");
    EXPECT_FALSE(byMac.snapshot.port);
    EXPECT_EQ(byMac.snapshot.output, "snapshot.jpg");
    EXPECT_EQ(byMac.snapshot.count, 1);

    // Leading zeros go: the system's lookup would read "010" as octal.
    const CommandLine byIp = parsed({"--snapshot", "192.168.001.010", "--port", "8080", "--output",
                                     "/tmp/door.jpeg", "--count=25"});
    EXPECT_EQ(byIp.mac, "");
    EXPECT_EQ(byIp.snapshot.ip, "192.168.1.10");
    EXPECT_EQ(byIp.snapshot.port, 8080);
    EXPECT_EQ(byIp.snapshot.output, "/tmp/door.jpeg");
    EXPECT_EQ(byIp.snapshot.count, 25);
}

TEST(CommandLineOptions, NumbersSnapshotFilesBeforeTheExtension) {
    const struct {
        const char* output;
        int index;
        int count;
        const char* name;
    } cases[] = {
        {"snapshot.jpg", 1, 1, "snapshot.jpg"},
        {"snapshot.jpg", 1, 3, "snapshot-001.jpg"},
        {"snapshot.jpg", 12, 999, "snapshot-012.jpg"},
        {"snapshot.jpg", 7, 10000, "snapshot-00007.jpg"},
        {"door", 2, 2, "door-002"},
        {"a.b/door", 2, 2, "a.b/door-002"},
        {"pictures/.jpg", 1, 2, "pictures/.jpg-001"},
        {"./x.tar.jpg", 1, 2, "./x.tar-001.jpg"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(snapshotFileName(c.output, c.index, c.count), c.name) << c.output;
    }
}

TEST(CommandLineOptions, NormalisesMacAddressesToTheListsForm) {
    const struct {
        const char* text;
        const char* normalized; // nullptr: not a MAC address
    } cases[] = {
        {"02:56:49:00:01:0a", "02:56:49:00:01:0a"},
        {"02:56:49:00:01:0A", "02:56:49:00:01:0a"},
        {"AA-BB-CC-DD-EE-FF", "aa:bb:cc:dd:ee:ff"},
        {"aa:bb-cc:dd-ee:ff", "aa:bb:cc:dd:ee:ff"},
        {"aabbccddeeff", nullptr},
        {"aa:bb:cc:dd:ee:ff:", nullptr},
        {"aa:bb:cc:dd:ee:f", nullptr},
        {"aa:bb:cc:dd:ee:fg", nullptr},
        {"aa bb cc dd ee ff", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto normalized = normalizedMacText(c.text);
        ASSERT_EQ(normalized.has_value(), c.normalized != nullptr);
        if (normalized) {
            EXPECT_EQ(*normalized, c.normalized);
        }
    }
}

} // namespace
} // namespace vistrel
