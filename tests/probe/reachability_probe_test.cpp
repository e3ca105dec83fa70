#include "probe/reachability_probe.h"

#include <gtest/gtest.h>
#include <vector>

namespace vistrel {
namespace {

using std::chrono::milliseconds;

struct ScriptedEcho {
    EchoOutcome outcome;
    milliseconds takes;
};

// Runs the rule over echoes that take the scripted time on a clock that only they move.
bool probeWith(const std::vector<ScriptedEcho>& echoes, std::size_t* sent = nullptr) {
    std::chrono::steady_clock::time_point clock{std::chrono::hours(5)};
    std::size_t next = 0;
    const bool reachable = Probe_Camera(
        [&] {
            const ScriptedEcho& echo = echoes.at(next++);
            clock += echo.takes;
            return echo.outcome;
        },
        [&] { return clock; });
    if (sent) {
        *sent = next;
    }
    return reachable;
}

TEST(ReachabilityProbe, TheTimeOfThePairDecides) {
    constexpr auto answered = EchoOutcome::Answered;
    constexpr auto timedOut = EchoOutcome::TimedOut;
    constexpr auto failed = EchoOutcome::Failed;
    struct Case {
        const char* name;
        std::vector<ScriptedEcho> echoes;
        bool reachable;
    };
    const Case cases[]{
        {"both answered", {{answered, milliseconds(1)}, {answered, milliseconds(2)}}, true},
        {"first of two answered",
         {{answered, milliseconds(1)}, {timedOut, milliseconds(1000)}},
         true},
        {"second of two answered",
         {{timedOut, milliseconds(1000)}, {answered, milliseconds(3)}},
         true},
        {"none answered", {{timedOut, milliseconds(1000)}, {timedOut, milliseconds(1000)}}, false},
        {"slow answers at the threshold",
         {{answered, milliseconds(864)}, {answered, milliseconds(864)}},
         true},
        {"slow answers past the threshold",
         {{answered, milliseconds(864)}, {answered, milliseconds(865)}},
         false},
        // An echo that cannot be sent (no route) counts as one that waited out its time-out,
        // not as an instant answer.
        {"both failed at once", {{failed, milliseconds(0)}, {failed, milliseconds(0)}}, false},
        {"one failed, one answered",
         {{failed, milliseconds(0)}, {answered, milliseconds(1)}},
         true},
        {"one failed, one timed out",
         {{failed, milliseconds(0)}, {timedOut, milliseconds(1000)}},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::size_t sent = 0;
        EXPECT_EQ(probeWith(c.echoes, &sent), c.reachable);
        EXPECT_EQ(sent, 2u); // the outcome of the first never spares the second
    }
}

TEST(ReachabilityProbe, ThresholdIsTwoThousandthsOfADay) {
    EXPECT_EQ(kReachableWithin, std::chrono::microseconds(86'400'000'000LL * 2 / 100'000));
    EXPECT_LT(kReachableWithin, 2 * kEchoTimeout);
}

} // namespace
} // namespace vistrel
