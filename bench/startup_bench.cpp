// The finder's start-up and memory against a bare Qt window (bench/bare_window.cpp), the floor:
// each is started on an X server of the benchmark's own, several times, the two interleaved,
// and measured from the moment before its fork to the arrival of its first discovery request
// (the kernel's receive stamp on a listener of the admin port), and by its resident size 3 s
// after the start with no camera answering. Prints every run, the medians and their ratios.
// Runs inside the private network namespace of scripts/netns.

#include "discovery_arrival.h"
#include "support/private_display.h"
#include "support/private_network.h"
#include "target_verdict.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace vistrel;

constexpr int kRuns = 5;
constexpr int kStartLimitMs = 30000;
constexpr int kIdleMs = 3000;
constexpr double kStartTarget = 1.2;
constexpr double kMemoryTarget = 1.3;

struct Program {
    const char* label;
    const char* path;
};

struct RunFigures {
    double startMs = 0;
    double residentMb = 0;
};

// The resident size from /proc, in MiB; 0 when the process is gone.
double residentMb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtod(line.c_str() + 6, nullptr) / 1024;
        }
    }
    return 0;
}

// Starts the program on the display with a runtime directory of its own (the finder's
// single-instance lock lives there), its output silenced.
pid_t launch(const Program& program, const std::string& display, const std::string& runtimeDir) {
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("DISPLAY", display.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 1);
        const int devNull = open("/dev/null", O_RDWR);
        dup2(devNull, STDIN_FILENO);
        dup2(devNull, STDOUT_FILENO);
        dup2(devNull, STDERR_FILENO);
        execl(program.path, program.path, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

std::optional<RunFigures> measure(const Program& program, const std::string& display,
                                  bench::DiscoveryArrival& arrival) {
    char runtimeTemplate[] = "/tmp/vistrel-startup-XXXXXX";
    if (!mkdtemp(runtimeTemplate)) {
        return std::nullopt;
    }
    arrival.drain();
    const double forkedMs = bench::realtimeMs();
    const pid_t pid = launch(program, display, runtimeTemplate);
    const std::optional<double> arrived = pid > 0 ? arrival.next(kStartLimitMs) : std::nullopt;
    std::optional<RunFigures> figures;
    if (arrived) {
        std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(
            std::max(0.0, forkedMs + kIdleMs - bench::realtimeMs())));
        figures = RunFigures{*arrived - forkedMs, residentMb(pid)};
    }
    if (pid > 0) {
        stop(pid);
    }
    std::error_code ignored;
    std::filesystem::remove_all(runtimeTemplate, ignored);
    if (!figures || figures->residentMb <= 0) {
        std::fprintf(stderr, "%s: no discovery request within %d ms, or it ended early\n",
                     program.label, kStartLimitMs);
        return std::nullopt;
    }
    return figures;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main() {
    if (!test::inPrivateNetworkNamespace()) {
        std::fprintf(stderr, "run inside scripts/netns: the finder broadcasts\n");
        return 1;
    }
    const test::PrivateDisplay display;
    if (!display.started()) {
        std::fprintf(stderr, "cannot start Xvfb (package xvfb) on a free display\n");
        return 1;
    }
    bench::DiscoveryArrival arrival;
    if (!arrival.listening()) {
        std::fprintf(stderr, "cannot listen on the admin port\n");
        return 1;
    }
    const Program floor{"bare window", VISTREL_BARE_WINDOW_PATH};
    const Program finder{"finder", VISTREL_FINDER_PATH};
    // One unmeasured start of each first: the libraries and fonts come into the page cache.
    if (!measure(floor, display.name(), arrival) || !measure(finder, display.name(), arrival)) {
        return 1;
    }
    std::printf("start-up to the first discovery request, and resident size %d s after the "
                "start with no camera (Xvfb %s, %d runs each, interleaved)\n",
                kIdleMs / 1000, display.name().c_str(), kRuns);
    std::printf("%-4s %14s %14s %14s %14s\n", "run", "floor ms", "finder ms", "floor MiB",
                "finder MiB");
    std::vector<double> floorMs, finderMs, floorMb, finderMb;
    for (int run = 1; run <= kRuns; ++run) {
        const std::optional<RunFigures> bare = measure(floor, display.name(), arrival);
        const std::optional<RunFigures> full = measure(finder, display.name(), arrival);
        if (!bare || !full) {
            return 1;
        }
        floorMs.push_back(bare->startMs);
        finderMs.push_back(full->startMs);
        floorMb.push_back(bare->residentMb);
        finderMb.push_back(full->residentMb);
        std::printf("%-4d %14.1f %14.1f %14.1f %14.1f\n", run, bare->startMs, full->startMs,
                    bare->residentMb, full->residentMb);
    }
    const double startRatio = median(finderMs) / median(floorMs);
    const double memoryRatio = median(finderMb) / median(floorMb);
    std::printf("%-4s %14.1f %14.1f %14.1f %14.1f\n", "med", median(floorMs), median(finderMs),
                median(floorMb), median(finderMb));
    std::printf("  start-up %.2f x floor, target <= %.1f %s; resident size %.2f x floor, target "
                "<= %.1f %s\n",
                startRatio, kStartTarget, bench::verdict(startRatio <= kStartTarget), memoryRatio,
                kMemoryTarget, bench::verdict(memoryRatio <= kMemoryTarget));
    return 0;
}
