// The text of --help: every mode and option, where passwords come from, and the exit statuses
// from their table.

#include "cli/command_line_options.h"
#include "cli/exit_codes.h"

#include <algorithm>
#include <string_view>

namespace vistrel {

namespace {

// The help's lines are at most this wide.
constexpr std::size_t kHelpWidth = 92;
// Where the meaning of an exit status starts, on its first line and on the lines that follow.
constexpr std::string_view kMeaningIndent = "      ";

// Appends `words` to `line`, breaking lines at spaces before they grow wider than the help.
void appendWrapped(std::string& text, std::string line, std::string_view words) {
    bool lineEmpty = true;
    for (std::size_t at = 0; at < words.size();) {
        const std::size_t space = std::min(words.find(' ', at), words.size());
        const std::string_view word = words.substr(at, space - at);
        at = space + 1;
        if (!lineEmpty && line.size() + 1 + word.size() > kHelpWidth) {
            text += line + '\n';
            line = kMeaningIndent;
            lineEmpty = true;
        }
        line += lineEmpty ? "" : " ";
        line += word;
        lineEmpty = false;
    }
    text += line + '\n';
}

std::string exitStatusSection() {
    std::string text = "Exit status:\n";
    for (const ExitCodeMeaning& row : kExitCodeMeanings) {
        std::string line = "  " + std::to_string(row.code);
        line.resize(kMeaningIndent.size(), ' ');
        appendWrapped(text, line, row.meaning);
    }
    return text;
}

} // namespace

std::string helpText() {
    return R"(Usage: vistrel-finder [MODE] [OPTIONS]
Finds Vistrel network cameras on the local network, configures them and saves their pictures.

Modes:
  (none)                 open the window
  --list                 search once and print the cameras that answered, each with the
                         interface it answered on and whether its address fits the network
                         there (NETWORK ok) or not (outside: its picture and web pages
                         cannot be reached until it gets an address of that network)
  --show MAC             print the settings of the camera with this MAC address
  --configure MAC CHANGE...
                         change the camera's settings, then follow it until it answers
                         with them and print where it is now
  --snapshot MAC|IP      save pictures of the camera's live stream as JPEG files; with a
                         MAC address the camera is searched for first, to learn its
                         address and web port
  --screenshot FILE      open the window, save it as PNG after --wait seconds and exit
  --version              print the version and exit
  --help, -h             print this help and exit

Options:
  --json                 --list, --show, --configure: print JSON with camelCase keys
  --wait SECONDS         --list: how long replies are collected (default 3)
                         --show: how long the camera has to answer (default 5)
                         --configure: how long the camera has to answer, and again how
                         long it has to come back with the new settings (default 20)
                         --snapshot: how long the search and the pictures may take
                         together (default 10)
                         --screenshot: when the window is saved (default 3)
  --interface NAME       --list, --show, --configure, --snapshot MAC: search on this
                         network interface only; give it again for more. Without it a
                         search goes out of every interface that is up and can broadcast,
                         except those of containers and virtual machines (docker*, br-*,
                         veth*, virbr*), and once by the default route

Options for --snapshot:
  --port PORT            the camera's web port (default: the port the camera reports, or
                         80 with an IP address)
  --output FILE          where the picture goes (default snapshot.jpg); with --count the
                         pictures are numbered before the extension: snapshot-001.jpg, ...
  --count N              how many pictures in a row, 1 to 10000 (default 1)

Changes for --configure (what is not given keeps the camera's value):
  --dhcp                 obtain the address from a DHCP server
  --ip ADDRESS           a fixed address; needs --netmask
  --netmask MASK         the netmask of a fixed address
  --gateway ADDRESS      the gateway of a fixed address
  --dns ADDRESS          the DNS server of a fixed address
  --port PORT            the web port, 1 to 65535
  --name NAME            the camera's name
  --change-password      set a new administrator password

A MAC address may be written in upper or lower case, with ':' or '-' between its pairs.

Passwords are never taken from the command line, where every user of the machine can read
them. --configure takes the camera's current administrator password from the environment
variable VISTREL_PASSWORD and the new one from VISTREL_NEW_PASSWORD; without them it asks
on the terminal, without echo (the new password twice). --snapshot takes the camera's
administrator password the same way.

)" + exitStatusSection();
}

} // namespace vistrel
