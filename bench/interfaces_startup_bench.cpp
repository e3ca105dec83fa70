// The finder's start-up to its first discovery request on a computer with several networks,
// where a search reads the interfaces and goes out of each, against the same finder on a
// computer with loopback only, where it sends once by the default route. Both run on an X
// server of the benchmark's own, interleaved; the loopback-only computer is a network
// namespace the benchmark makes for itself. Prints every run, the medians and their ratio.
// Runs inside scripts/lans, whose computer namespace has the LANs' interfaces.

#include "program_start.h"
#include "support/private_display.h"
#include "support/private_network.h"
#include "target_verdict.h"

#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <net/if.h>
#include <optional>
#include <sched.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace vistrel;
using bench::DiscoveryArrival;
using bench::measureStart;
using bench::median;
using bench::Program;
using bench::StartFigures;

constexpr int kRuns = 7;
// Several interfaces may cost the reading of the interface table and a few more sends, no
// more: the first request leaves no later than with a single send, within the runs' noise.
constexpr double kTarget = 1.05;

int countInterfaces() {
    struct if_nameindex* names = if_nameindex();
    int count = 0;
    for (const struct if_nameindex* n = names; n && n->if_index != 0; ++n) {
        ++count;
    }
    if_freenameindex(names);
    return count;
}

bool run(const std::vector<const char*>& arguments) {
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(arguments[0], const_cast<char* const*>(arguments.data()));
        _exit(127);
    }
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// A network namespace with loopback only and the broadcast route of scripts/netns, made by a
// thread of its own so that the benchmark itself stays where it is; its listener is opened
// there too.
struct LoopbackOnlyComputer {
    int networkNamespace = -1;
    std::unique_ptr<DiscoveryArrival> arrival;

    LoopbackOnlyComputer() {
        std::thread([this] {
            if (unshare(CLONE_NEWNET) != 0 || !run({"ip", "link", "set", "lo", "up", nullptr}) ||
                !run({"ip", "route", "add", "broadcast", "255.255.255.255", "dev", "lo", "src",
                      "127.0.0.1", nullptr})) {
                return;
            }
            networkNamespace = open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
            arrival = std::make_unique<DiscoveryArrival>();
        }).join();
    }
    ~LoopbackOnlyComputer() {
        if (networkNamespace >= 0) {
            close(networkNamespace);
        }
    }
    LoopbackOnlyComputer(const LoopbackOnlyComputer&) = delete;
    LoopbackOnlyComputer& operator=(const LoopbackOnlyComputer&) = delete;

    bool ready() const { return networkNamespace >= 0 && arrival && arrival->listening(); }
};

} // namespace

int main() {
    if (!test::inPrivateNetworkNamespace()) {
        std::fprintf(stderr, "run inside scripts/lans: the finder broadcasts\n");
        return 1;
    }
    const int interfaces = countInterfaces();
    if (interfaces < 3) {
        std::fprintf(stderr, "run inside scripts/lans: this computer has %d interfaces\n",
                     interfaces);
        return 1;
    }
    const test::PrivateDisplay display;
    if (!display.started()) {
        std::fprintf(stderr, "cannot start Xvfb (package xvfb) on a free display\n");
        return 1;
    }
    DiscoveryArrival several;
    const LoopbackOnlyComputer single;
    if (!several.listening() || !single.ready()) {
        std::fprintf(stderr, "cannot make the loopback-only namespace or listen on the admin "
                             "port\n");
        return 1;
    }
    const Program finder{"finder", VISTREL_FINDER_PATH};
    const auto onSeveral = [&] { return measureStart(finder, display.name(), several, 0); };
    const auto onSingle = [&] {
        return measureStart(finder, display.name(), *single.arrival, 0, single.networkNamespace);
    };
    // One unmeasured start of each first: the libraries and fonts come into the page cache.
    if (!onSeveral() || !onSingle()) {
        return 1;
    }
    std::printf("start-up to the first discovery request: %d interfaces (a search out of each) "
                "against loopback only (one send by the default route); Xvfb %s, %d runs each, "
                "interleaved\n",
                interfaces, display.name().c_str(), kRuns);
    std::printf("%-4s %16s %16s\n", "run", "loopback ms", "several ms");
    std::vector<double> singleMs;
    std::vector<double> severalMs;
    for (int round = 1; round <= kRuns; ++round) {
        const std::optional<StartFigures> one = onSingle();
        const std::optional<StartFigures> many = onSeveral();
        if (!one || !many) {
            return 1;
        }
        singleMs.push_back(one->startMs);
        severalMs.push_back(many->startMs);
        std::printf("%-4d %16.1f %16.1f\n", round, one->startMs, many->startMs);
    }
    const double ratio = median(severalMs) / median(singleMs);
    std::printf("%-4s %16.1f %16.1f\n", "med", median(singleMs), median(severalMs));
    std::printf("  several interfaces %.2f x one send, target <= %.2f %s\n", ratio, kTarget,
                bench::verdict(ratio <= kTarget));
    return 0;
}
