// The finder's start-up and memory against a bare Qt window (bench/bare_window.cpp), the floor:
// each is started on an X server of the benchmark's own, several times, the two interleaved,
// and measured from the moment before its fork to the arrival of its first discovery request
// (the kernel's receive stamp on a listener of the admin port), and by its resident size 3 s
// after the start with no camera answering. Prints every run, the medians and their ratios.
// Runs inside the private network namespace of scripts/netns.

#include "program_start.h"
#include "support/private_display.h"
#include "support/private_network.h"
#include "target_verdict.h"

#include <cstdio>
#include <optional>
#include <vector>

namespace {

using namespace vistrel;
using bench::measureStart;
using bench::median;
using bench::Program;
using bench::StartFigures;

constexpr int kRuns = 5;
constexpr int kIdleMs = 3000;
constexpr double kStartTarget = 1.2;
constexpr double kMemoryTarget = 1.3;

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
    if (!measureStart(floor, display.name(), arrival, kIdleMs) ||
        !measureStart(finder, display.name(), arrival, kIdleMs)) {
        return 1;
    }
    std::printf("start-up to the first discovery request, and resident size %d s after the "
                "start with no camera (Xvfb %s, %d runs each, interleaved)\n",
                kIdleMs / 1000, display.name().c_str(), kRuns);
    std::printf("%-4s %14s %14s %14s %14s\n", "run", "floor ms", "finder ms", "floor MiB",
                "finder MiB");
    std::vector<double> floorMs, finderMs, floorMb, finderMb;
    for (int run = 1; run <= kRuns; ++run) {
        const std::optional<StartFigures> bare =
            measureStart(floor, display.name(), arrival, kIdleMs);
        const std::optional<StartFigures> full =
            measureStart(finder, display.name(), arrival, kIdleMs);
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
