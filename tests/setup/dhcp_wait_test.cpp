#include "setup/dhcp_wait.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vistrel {
namespace {

constexpr const char* kDigest = "0123456789ABCDEF0123456789ABCDEF";

struct Step {
    const char* reportedPassword;
    bool readyBeforeTick;
};

// Runs ticks until the wait ends (or 20 ticks pass) and records what each tick did.
struct WaitRun {
    std::vector<DhcpWaitTick> ticks;
    bool digestVerified = false;
};

WaitRun runWait(const std::vector<Step>& steps, const Step& afterwards) {
    DhcpWait wait;
    wait.start(kDigest);
    WaitRun run;
    for (std::size_t i = 0; i < 20 && wait.active(); ++i) {
        const Step& step = i < steps.size() ? steps[i] : afterwards;
        if (step.readyBeforeTick) {
            wait.markReady();
        }
        run.ticks.push_back(wait.tick(step.reportedPassword));
    }
    run.digestVerified = wait.digestVerified();
    return run;
}

int statusRequests(const WaitRun& run) {
    int count = 0;
    for (const auto& tick : run.ticks) {
        count += tick.sendStatusRequest ? 1 : 0;
    }
    return count;
}

TEST(DhcpWait, FactoryPasswordCameraGetsItsAddressAfterTwoRequests) {
    const WaitRun run = runWait({{"2580", false}, {"2580", false}}, {"2580", true});
    ASSERT_EQ(run.ticks.size(), 3u);
    EXPECT_EQ(run.ticks.back().outcome, DhcpWaitOutcome::Ready);
    EXPECT_FALSE(run.ticks.back().sendStatusRequest);
    EXPECT_EQ(statusRequests(run), 2);
    EXPECT_FALSE(run.digestVerified);
}

TEST(DhcpWait, DigestTextInAnyCaseCountsAsFactoryPasswordAndIsVerified) {
    const WaitRun run = runWait({}, {"0123456789abcdef0123456789abcdef", true});
    ASSERT_EQ(run.ticks.size(), 1u);
    EXPECT_EQ(run.ticks[0].outcome, DhcpWaitOutcome::Ready);
    EXPECT_TRUE(run.digestVerified);
}

TEST(DhcpWait, NoAnswerFailsOnTheFourthRequestsTick) {
    const WaitRun run = runWait({}, {"2580", false});
    ASSERT_EQ(run.ticks.size(), 4u);
    EXPECT_EQ(statusRequests(run), 4);
    EXPECT_EQ(run.ticks[3].outcome, DhcpWaitOutcome::Failed);
    EXPECT_TRUE(run.ticks[3].sendStatusRequest);
}

TEST(DhcpWait, AnswerAfterTheRetriesAreSpentEndsAsAFailureInsteadOfWaitingForever) {
    const WaitRun run =
        runWait({{"2580", false}, {"2580", false}, {"2580", false}}, {"2580", true});
    ASSERT_EQ(run.ticks.size(), 4u);
    EXPECT_EQ(statusRequests(run), 3);
    EXPECT_EQ(run.ticks[3].outcome, DhcpWaitOutcome::Failed);
}

TEST(DhcpWait, OtherPasswordAsksForTheLoginOnTheSecondTick) {
    for (const char* password : {"secret", ""}) {
        SCOPED_TRACE(password);
        const WaitRun run = runWait({}, {password, false});
        ASSERT_EQ(run.ticks.size(), 2u);
        EXPECT_EQ(run.ticks[1].outcome, DhcpWaitOutcome::NeedsLogin);
        EXPECT_EQ(statusRequests(run), 0);
    }
}

TEST(DhcpWait, FactoryPasswordReportedLateAsksForTheLogin) {
    const WaitRun run = runWait({{"", false}}, {"2580", true});
    ASSERT_EQ(run.ticks.size(), 2u);
    EXPECT_EQ(run.ticks[1].outcome, DhcpWaitOutcome::NeedsLogin);
}

TEST(DhcpWait, DigestTextReportedLateEndsAsAFailureInsteadOfWaitingForever) {
    const WaitRun run = runWait({{"", false}}, {kDigest, true});
    ASSERT_EQ(run.ticks.size(), 2u);
    EXPECT_EQ(run.ticks[1].outcome, DhcpWaitOutcome::Failed);
    EXPECT_EQ(statusRequests(run), 0);
}

TEST(DhcpWait, EndedWaitIgnoresFurtherTicksUntilRestarted) {
    DhcpWait wait;
    wait.start(kDigest);
    wait.markReady();
    EXPECT_EQ(wait.tick("2580").outcome, DhcpWaitOutcome::Ready);
    EXPECT_FALSE(wait.active());
    const DhcpWaitTick idle = wait.tick("2580");
    EXPECT_EQ(idle.outcome, DhcpWaitOutcome::Waiting);
    EXPECT_FALSE(idle.sendStatusRequest);
    wait.start(kDigest);
    EXPECT_TRUE(wait.tick("2580").sendStatusRequest); // a restart forgets the earlier address
}

} // namespace
} // namespace vistrel
