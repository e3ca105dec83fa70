#pragma once
// Starting a windowed program on a display and timing it to its first discovery request (the
// kernel's receive stamp on a listener of the admin port), for the start-up benchmarks.

#include "discovery_arrival.h"

#include <optional>
#include <string>
#include <vector>

namespace vistrel::bench {

struct Program {
    const char* label;
    const char* path;
};

struct StartFigures {
    double startMs = 0;
    double residentMb = 0; // idleMs after the start
};

// Starts the program on the display with a runtime directory of its own (the finder's
// single-instance lock lives there), its output silenced; in the network namespace of the
// file descriptor when one is given, else in this one. Waits for its first discovery request
// at `arrival`, then until idleMs after the start, reads its resident size and stops it.
// Nothing (and a line on standard error) when no request came or the program ended early.
std::optional<StartFigures> measureStart(const Program& program, const std::string& display,
                                         DiscoveryArrival& arrival, int idleMs,
                                         int networkNamespace = -1);

double median(std::vector<double> values);

} // namespace vistrel::bench
