#pragma once
// The command line of vistrel-finder: which mode runs, on which camera, with which changes.
// Everything that can be judged without a camera is judged here, so that a usage error never
// opens a socket. Texts stay 8-bit, as the system passes them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

enum class Mode { Window, Screenshot, List, Show, Configure, Snapshot, Version, Help };

// What --configure changes; every value not given keeps the camera's.
struct ConfigureChanges {
    bool dhcp = false;
    std::optional<std::string> ip;
    std::optional<std::string> netmask;
    std::optional<std::string> gateway;
    std::optional<std::string> dns;
    std::optional<std::string> webPort;
    std::optional<std::string> name;
    bool changePassword = false;

    bool changesAddress() const { return ip || netmask || gateway || dns; }
    bool changesAnything() const {
        return dhcp || changesAddress() || webPort || name || changePassword;
    }
};

// What --snapshot saves, and from where.
struct SnapshotRequest {
    std::string ip;                    // the camera's dotted address; empty when a MAC was given
    std::optional<std::uint16_t> port; // --port; else the camera's web port, or 80 for an IP
    std::string output = "snapshot.jpg";
    int count = 1;
};

struct CommandLine {
    Mode mode = Mode::Window;
    bool json = false;
    std::string mac;            // --show, --configure, --snapshot: lower-case "00:1a:2b:3c:4d:5e"
    std::string screenshotFile; // --screenshot
    int waitMilliseconds = 0;   // --wait, or the mode's default
    std::vector<std::string> interfaceNames; // --interface, in the order given, without repeats
    ConfigureChanges changes;                // --configure
    SnapshotRequest snapshot;                // --snapshot
};

struct ParsedCommandLine {
    std::optional<CommandLine> commandLine;
    std::string error; // one line saying what is wrong, when there is no command line
};

// The arguments after the program name.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

// A MAC address in upper or lower case with ':' or '-' between its six pairs, in the camera
// list's form; nullopt for anything else.
std::optional<std::string> normalizedMacText(std::string_view text);

// The file of picture `index` (1 to count) of a snapshot: the output name itself for a single
// picture; otherwise numbered with at least three digits before the extension, as
// "snapshot-001.jpg".
std::string snapshotFileName(const std::string& output, int index, int count);

// The longest series --count takes.
inline constexpr int kMostSnapshots = 10000;

// How long a mode waits when --wait is not given.
int defaultWaitMilliseconds(Mode mode);

// The window modes need a display; the others run without one.
inline bool needsWindow(Mode mode) {
    return mode == Mode::Window || mode == Mode::Screenshot;
}

std::string helpText();
std::string versionText();

} // namespace vistrel
