#pragma once
// Probe_Camera: whether a camera answers on the network at all. Two echoes go out one after
// the other and only the time the pair took counts: an answered echo returns at once, an
// unanswered one waits out its one-second time-out, so two time-outs take longer than the
// threshold and anything faster counts as reachable.

#include "probe/echo_client.h"

#include <chrono>
#include <functional>
#include <string>

namespace vistrel {

inline constexpr std::chrono::milliseconds kEchoTimeout{1000};
// Two-thousandths of a day, the threshold of the pair.
inline constexpr std::chrono::microseconds kReachableWithin{1'728'000};

using SteadyClock = std::function<std::chrono::steady_clock::time_point()>;
using SendEcho = std::function<EchoOutcome()>;

// The rule over an echo and a monotonic clock. An echo that could not be sent at all counts
// as one that waited out its time-out.
bool Probe_Camera(const SendEcho& echo, const SteadyClock& now);

// Probes the camera at this address (its web port stands in for ICMP where the system allows
// no ICMP socket). Blocks for up to about two seconds: call it off the GUI thread. An address
// that cannot be looked up is unreachable.
bool Probe_Camera(const std::string& address, std::uint16_t webPort);

} // namespace vistrel
