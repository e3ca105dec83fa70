#include "probe/reachability_probe.h"

namespace vistrel {

bool Probe_Camera(const SendEcho& echo, const SteadyClock& now) {
    const auto start = now();
    int failed = 0;
    for (int i = 0; i < 2; ++i) {
        failed += echo() == EchoOutcome::Failed ? 1 : 0;
    }
    const auto took = now() - start + failed * kEchoTimeout;
    return took <= kReachableWithin;
}

bool Probe_Camera(const std::string& address, std::uint16_t webPort) {
    const auto found = lookUpIpv4(address);
    if (!found) {
        return false;
    }
    const auto client = openEchoClient(EchoTarget{*found, webPort}, kEchoTimeout);
    if (!client) {
        return false;
    }
    return Probe_Camera([&client] { return client->echo(); },
                        [] { return std::chrono::steady_clock::now(); });
}

} // namespace vistrel
