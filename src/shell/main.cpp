// vistrel-finder: finds Vistrel cameras on the local network and configures them. Without a
// mode it opens the window; --list, --show, --configure and --snapshot run in a terminal
// without a display.
// --help lists every mode and option.

#include "cli/command_line_options.h"
#include "cli/terminal_modes.h"
#include "shell/window_mode.h"

#include <QApplication>
#include <QCoreApplication>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    using namespace vistrel;
    const ParsedCommandLine parsed =
        parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.commandLine) {
        return reportUsageError(parsed.error);
    }
    const CommandLine& line = *parsed.commandLine;
    if (needsWindow(line.mode)) {
        QApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("vistrel-finder"));
        return runWindowMode(app, line);
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vistrel-finder"));
    return runTerminalMode(line);
}
