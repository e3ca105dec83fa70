#include "cli/terminal_modes.h"

#include "cli/command_messages.h"
#include "cli/configure_command.h"
#include "cli/exit_codes.h"
#include "cli/headless_listing.h"
#include "cli/password_prompt.h"
#include "cli/show_command.h"
#include "cli/snapshot_command.h"

#include <QString>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace vistrel {

int runTerminalMode(const CommandLine& line) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    ControllingTerminal terminal;
    const PasswordSources passwords{[](const char* name) { return std::getenv(name); }, terminal};
    switch (line.mode) {
    case Mode::Help:
    case Mode::Version:
        out << QString::fromStdString(line.mode == Mode::Help ? helpText() : versionText());
        return kExitDone;
    default:
        break;
    }
    if (const int status = checkInterfaceNames(line, err); status != kExitDone) {
        return status;
    }
    switch (line.mode) {
    case Mode::List:
        return runHeadlessListing({line.json, line.waitMilliseconds, line.interfaceNames}, out,
                                  err);
    case Mode::Show:
        return runShow(line, out, err);
    case Mode::Configure:
        return runConfigure(line, passwords, out, err);
    case Mode::Snapshot:
        return runSnapshot(line, passwords, out, err);
    default:
        break;
    }
    return reportUsageError("this mode opens the window");
}

int reportUsageError(const std::string& error) {
    std::fprintf(stderr, "vistrel-finder: %s\n", error.c_str());
    return kExitUsage;
}

} // namespace vistrel
