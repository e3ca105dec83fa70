#pragma once
// A listener on the admin port that tells when a discovery request arrived, by the kernel's
// receive time stamp, so that the listener's own wake-up does not count.

#include <optional>

namespace vistrel::bench {

class DiscoveryArrival {
public:
    DiscoveryArrival();
    ~DiscoveryArrival();
    DiscoveryArrival(const DiscoveryArrival&) = delete;
    DiscoveryArrival& operator=(const DiscoveryArrival&) = delete;

    bool listening() const { return fd_ >= 0; }
    // Drops whatever arrived so far.
    void drain();
    // The arrival time of the next discovery request, in milliseconds of CLOCK_REALTIME (the
    // clock of the kernel's stamps); nothing when none comes within limitMs.
    std::optional<double> next(int limitMs);

private:
    int fd_ = -1;
};

// Milliseconds of CLOCK_REALTIME, the clock the arrival times are on.
double realtimeMs();

} // namespace vistrel::bench
