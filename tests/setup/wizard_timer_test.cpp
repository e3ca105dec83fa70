#include "setup/status_replies.h"
#include "setup/wizard_timer.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace vistrel {
namespace {

// Ticks the timer while it runs, as the window does, and records what each tick asked for.
// The survey has been answered unless a test says otherwise, so only the page's requests show.
struct TimerRun {
    WizardState state;
    WizardTickInput input;
    std::vector<WizardTick> ticks;
    // Before tick n (counted from 1): a reply or a click that changes the state.
    std::function<void(int, WizardState&)> beforeTick = [](int, WizardState&) {};

    explicit TimerRun(WizardPage page) {
        state.SurveyReceived = true;
        input.shownPage = page;
        input.dhcpAddresses = {"192.168.  2. 30", "255.255.255.  0", "192.168.  2.  1",
                               "192.168.  2.  1"};
        input.fixedAddresses = {"10.0.0.7", "255.0.0.0", "10.0.0.1", "10.0.0.2"};
        input.cameraIpText = "10.0.0.7";
        input.cameraAddress = " 10.  0.  0.  9";
    }

    void run(int maxTicks = 200) {
        for (int n = 1; n <= maxTicks; ++n) {
            beforeTick(n, state);
            ticks.push_back(wizardTick(state, input));
            const WizardTick& tick = ticks.back();
            if (tick.cloudTestEnd) {
                input.shownPage = tick.cloudTestEnd->nextPage;
            }
            if (tick.stopTimer) {
                return;
            }
        }
    }

    // The countdown value of each tick at which this request went out, after the tick.
    std::vector<int> secondsLeftWhenSent(WizardRequest request) const {
        std::vector<int> left;
        for (const WizardTick& tick : ticks) {
            for (WizardRequest sent : tick.requests) {
                if (sent == request) {
                    left.push_back(tick.countdown ? tick.countdown->seconds - 1 : 999);
                }
            }
        }
        return left;
    }

    std::vector<int> countdownShown() const {
        std::vector<int> shown;
        for (const WizardTick& tick : ticks) {
            shown.push_back(tick.countdown ? tick.countdown->seconds : 999);
        }
        return shown;
    }
};

std::vector<int> countingDown(int from, int to, int step = 1) {
    std::vector<int> values;
    for (int value = from; value >= to; value -= step) {
        values.push_back(value);
    }
    return values;
}

TEST(WizardTimer, PageOneFailsOnItsTwelfthTickAndHandsTheAddressesToPagesTenAndNine) {
    TimerRun page1(WizardPage::Dhcp);
    EXPECT_EQ(startCloudTest(page1.state), (Countdown{WizardPage::Dhcp, 10}));
    page1.run();
    ASSERT_EQ(page1.ticks.size(), 12u);
    EXPECT_EQ(page1.countdownShown(), countingDown(10, -1));
    EXPECT_EQ(page1.secondsLeftWhenSent(WizardRequest::LinkTest), (std::vector<int>{9, 6, 3, 0}));
    const WizardTick& last = page1.ticks.back();
    ASSERT_TRUE(last.cloudTestEnd);
    EXPECT_EQ(last.cloudTestEnd->nextPage, WizardPage::CloudFailed);
    EXPECT_EQ(last.cloudTestEnd->values, page1.input.dhcpAddresses);
    EXPECT_EQ(last.cloudTestEnd->fixedAddressEdits, page1.input.dhcpAddresses);
    EXPECT_TRUE(last.cloudTestEnd->loadPanelFromCamera);
}

TEST(WizardTimer, PageOneSucceedsOnTheTickAfterTheConfirmation) {
    for (const bool wireless : {false, true}) {
        SCOPED_TRACE(wireless);
        TimerRun page1(WizardPage::Dhcp);
        page1.input.wirelessModel = wireless;
        startCloudTest(page1.state);
        DhcpWait unused;
        page1.beforeTick = [&unused](int n, WizardState& state) {
            if (n == 3) {
                applyStatusReply(ReplyCode::LinkStatus, 1, unused, state);
            }
        };
        page1.run();
        ASSERT_EQ(page1.ticks.size(), 3u);
        const WizardTick& last = page1.ticks.back();
        ASSERT_TRUE(last.cloudTestEnd);
        EXPECT_EQ(last.cloudTestEnd->nextPage, wireless ? WizardPage::Wireless : WizardPage::Wire);
        EXPECT_EQ(last.cloudTestEnd->values, page1.input.dhcpAddresses);
        EXPECT_FALSE(last.cloudTestEnd->fixedAddressEdits);
        EXPECT_FALSE(last.cloudTestEnd->loadPanelFromCamera);
        EXPECT_FALSE(last.countdown);
        EXPECT_FALSE(page1.state.CloudConfirmed);
        // The same reply confirmed the other tests' flags; their own starts clear them.
        EXPECT_TRUE(page1.state.ManualConfirmed);
        EXPECT_TRUE(page1.state.LinkConfirmed);
    }
}

TEST(WizardTimer, PageNineRediscoversTheCameraAndFailsOnItsThirtySecondTick) {
    TimerRun page9(WizardPage::ManualConfig);
    page9.state.ManualSeconds = 30;
    page9.run();
    ASSERT_EQ(page9.ticks.size(), 32u);
    EXPECT_EQ(page9.countdownShown(), countingDown(30, -1));
    EXPECT_EQ(page9.secondsLeftWhenSent(WizardRequest::LinkTest), countingDown(27, 0, 3));
    EXPECT_EQ(page9.secondsLeftWhenSent(WizardRequest::Discovery), countingDown(28, 8, 2));
    EXPECT_TRUE(page9.ticks.front().trackCameraAddress);
    EXPECT_FALSE(page9.ticks.back().trackCameraAddress);
    // Page 10 shows where the camera was last found, page 9 keeps the record's address.
    const CloudTestEnd& end = *page9.ticks.back().cloudTestEnd;
    EXPECT_EQ(end.nextPage, WizardPage::CloudFailed);
    EXPECT_EQ(end.values, (AddressTexts{" 10.  0.  0.  9", "255.0.0.0", "10.0.0.1", "10.0.0.2"}));
    EXPECT_EQ(end.fixedAddressEdits, page9.input.fixedAddresses);
    EXPECT_FALSE(end.loadPanelFromCamera);
}

TEST(WizardTimer, PageNineConfirmedShowsTheTrackedAddressOnPageThreeOrFour) {
    for (const bool wireless : {false, true}) {
        SCOPED_TRACE(wireless);
        TimerRun page9(WizardPage::ManualConfig);
        page9.input.wirelessModel = wireless;
        page9.state.ManualSeconds = 30;
        page9.beforeTick = [](int n, WizardState& state) { state.ManualConfirmed = n == 5; };
        page9.run();
        ASSERT_EQ(page9.ticks.size(), 5u);
        const WizardTick& last = page9.ticks.back();
        EXPECT_EQ(last.cloudTestEnd->nextPage, wireless ? WizardPage::Wireless : WizardPage::Wire);
        EXPECT_EQ(last.cloudTestEnd->values[0], page9.input.cameraAddress);
        EXPECT_EQ(last.cloudTestEnd->values[3], "10.0.0.2");
        EXPECT_TRUE(last.requests.empty()); // no discovery once the page has changed
        EXPECT_FALSE(page9.state.ManualConfirmed);
    }
}

TEST(WizardTimer, PageSevenFailsAfterNinetyTwoLinkTestsAndItsNextThenShowsPageEight) {
    TimerRun page7(WizardPage::Test);
    const LinkTestNext start = linkTestNext(page7.state, /*testEnded=*/false);
    EXPECT_EQ(start.showPage, WizardPage::None);
    EXPECT_EQ(start.countdown, (Countdown{WizardPage::Test, 90}));
    EXPECT_EQ(start.waitCaption.key, "Wait");
    page7.run();
    ASSERT_EQ(page7.ticks.size(), 92u);
    EXPECT_EQ(page7.countdownShown(), countingDown(90, -1));
    EXPECT_EQ(page7.secondsLeftWhenSent(WizardRequest::LinkTest).size(), 92u);
    const WaitEnd& end = *page7.ticks.back().waitEnd;
    EXPECT_FALSE(end.confirmed);
    EXPECT_EQ(end.results, (std::vector<WizardText>{
                               {"TntLabel_T7_1_NOOK", ""}, {"TntButton_T10_Retry", "?"}, {}}));
    EXPECT_EQ(end.actionCaption.key, "TntButton_T10_Retry");

    EXPECT_EQ(linkTestNext(page7.state, /*testEnded=*/true).showPage, WizardPage::RePlugIn);
    EXPECT_EQ(page7.state.LinkSeconds, 90);
}

TEST(WizardTimer, PageSevenConfirmedOffersNextToThePagesOfNameAndPassword) {
    TimerRun page7(WizardPage::Test);
    linkTestNext(page7.state, false);
    page7.beforeTick = [](int n, WizardState& state) { state.LinkConfirmed = n == 40; };
    page7.run();
    ASSERT_EQ(page7.ticks.size(), 40u);
    const WaitEnd& end = *page7.ticks.back().waitEnd;
    EXPECT_TRUE(end.confirmed);
    EXPECT_EQ(end.results,
              (std::vector<WizardText>{
                  {"TntLabel_T7_1_OK", ""}, {"TntLabel_T7_2", ""}, {"TntLabel_T7_3", ""}}));
    EXPECT_EQ(end.actionCaption.key, "TntButton_T3_Next");
    EXPECT_TRUE(page7.state.LinkConfirmed);
    EXPECT_EQ(linkTestNext(page7.state, /*testEnded=*/true).showPage, WizardPage::Name);
    EXPECT_FALSE(page7.state.LinkConfirmed);
}

TEST(WizardTimer, WpsTimesOutOnTheHundredAndTwentyFirstTickAfterFortyStatusRequests) {
    TimerRun page11(WizardPage::WpsSetup);
    page11.state.WpsSeconds = 120;
    page11.state.WpsSucceeded = true;
    page11.run();
    ASSERT_EQ(page11.ticks.size(), 121u);
    EXPECT_EQ(page11.countdownShown(), countingDown(120, 0));
    EXPECT_EQ(page11.secondsLeftWhenSent(WizardRequest::WpsStatus), countingDown(117, 0, 3));
    const WaitEnd& end = *page11.ticks.back().waitEnd;
    EXPECT_FALSE(end.confirmed);
    EXPECT_EQ(end.results,
              (std::vector<WizardText>{{"TntLabel_T11_1_NOOK", ""}, {"TntButton_T10_Retry", "?"}}));
    EXPECT_EQ(end.actionCaption.key, "TntButton_T10_Retry");
    EXPECT_FALSE(page11.state.WpsSucceeded);
}

TEST(WizardTimer, WpsSucceedsOnTheTickAfterStatusTwo) {
    TimerRun page11(WizardPage::WpsSetup);
    page11.state.WpsSeconds = 120;
    DhcpWait unused;
    page11.beforeTick = [&unused](int n, WizardState& state) {
        // Status 1 (still running) changes nothing; 2 is success.
        applyStatusReply(ReplyCode::WpsStatus, n == 7 ? 2 : 1, unused, state);
    };
    page11.run();
    ASSERT_EQ(page11.ticks.size(), 7u);
    const WaitEnd& end = *page11.ticks.back().waitEnd;
    EXPECT_TRUE(end.confirmed);
    EXPECT_EQ(end.results,
              (std::vector<WizardText>{{"TntLabel_T11_1_OK", ""}, {"TntLabel_T11_2", ""}}));
    EXPECT_EQ(end.actionCaption.key, "TntButton_T3_Next");
    EXPECT_TRUE(page11.state.WpsSucceeded);
    EXPECT_FALSE(page11.state.WpsConfirmed);
}

TEST(WizardTimer, SurveyIsRepeatedEveryFifthTickOnEveryPageUntilAnswered) {
    for (const WizardPage page :
         {WizardPage::Dhcp, WizardPage::Wireless, WizardPage::WConfig, WizardPage::Test,
          WizardPage::ManualConfig, WizardPage::WpsSetup}) {
        SCOPED_TRACE(pageNumber(page));
        WizardState state;
        state.CloudSeconds = state.ManualSeconds = 200;
        state.LinkSeconds = state.WpsSeconds = 200;
        WizardTickInput input;
        input.shownPage = page;
        std::vector<int> surveyTicks;
        for (int n = 0; n < 17; ++n) {
            if (n == 13) {
                state.SurveyReceived = true;
            }
            const WizardTick tick = wizardTick(state, input);
            if (!tick.requests.empty() && tick.requests.front() == WizardRequest::Survey) {
                surveyTicks.push_back(n);
            }
        }
        EXPECT_EQ(surveyTicks, (std::vector<int>{0, 5, 10}));
        EXPECT_EQ(state.SurveyTicks, 13);
    }
}

TEST(WizardTimer, StatusRepliesSetOnlyTheirOwnFlags) {
    struct Case {
        ReplyCode code;
        std::uint8_t status;
        bool dhcpReady;
        bool linkConfirmed;
        bool wpsConfirmed;
    };
    const Case cases[] = {
        {ReplyCode::DhcpStatus, 0, false, false, false},
        {ReplyCode::DhcpStatus, 7, true, false, false},
        {ReplyCode::LinkStatus, 0, false, false, false},
        {ReplyCode::LinkStatus, 2, false, false, false},
        {ReplyCode::LinkStatus, 1, false, true, false},
        {ReplyCode::WpsStatus, 1, false, false, false},
        {ReplyCode::WpsStatus, 3, false, false, false},
        {ReplyCode::WpsStatus, 2, false, false, true},
        {ReplyCode::Settings, 1, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.code) << " " << int{c.status});
        DhcpWait wait;
        wait.start("");
        WizardState state;
        applyStatusReply(c.code, c.status, wait, state);
        EXPECT_EQ(state.LinkConfirmed, c.linkConfirmed);
        EXPECT_EQ(state.CloudConfirmed, c.linkConfirmed);
        EXPECT_EQ(state.ManualConfirmed, c.linkConfirmed);
        EXPECT_EQ(state.WpsConfirmed, c.wpsConfirmed);
        // A ready camera with the factory password opens page 1 on the next tick.
        EXPECT_EQ(wait.tick("2580").outcome == DhcpWaitOutcome::Ready, c.dhcpReady);
    }
}

} // namespace
} // namespace vistrel
