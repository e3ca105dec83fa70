#include "discovery/card_highlight.h"
#include "discovery/search_cycle.h"
#include "support/recording_sender.h"

#include <gtest/gtest.h>
#include <vector>

namespace vistrel {
namespace {

using test::RecordingSender;

struct Search : ::testing::Test {
    CameraList list;
    TDeviceItem selected;
    CameraDiscovery discovery{list, selected};
    RecordingSender sender;
    RequestTemplates templates;
    int emptied = 0;
    int focused = 0;
    SearchCycle search{
        list, discovery, sender, templates, {[this] { ++emptied; }, [this] { ++focused; }}};

    void addCamera(const std::string& mac, int state) {
        list.addAndOrder({{mac, "10.  0.  0.  1", "cam " + mac, "Model", std::to_string(state)}});
    }
};

TEST_F(Search, EmptiesTheListAndBroadcastsDiscovery) {
    addCamera("aa", 1);
    DiscoveryReply newCamera;
    newCamera.deviceClass = 5;
    newCamera.setupFlagB = 2;
    discovery.addDiscoveredCamera(newCamera);
    ASSERT_EQ(discovery.newCameraNames().size(), 1u);

    search.Image_Search_CameraClick();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_TRUE(discovery.newCameraNames().empty());
    EXPECT_EQ(emptied, 1);
    EXPECT_EQ(focused, 1);
    ASSERT_EQ(sender.sent.size(), 1u);
    EXPECT_EQ(sender.sent[0], std::vector<std::uint8_t>(templates.DiscoveryRequest.begin(),
                                                        templates.DiscoveryRequest.end()));
}

TEST_F(Search, DelayedSearchFiresAtTheSixthTickAndOnce) {
    search.TimerTicks = 17;
    search.requestDelayedSearch();
    int tick = 0;
    bool started = false;
    while (!started && tick < 20) {
        ++tick;
        started = search.runPendingSearch();
        ++search.TimerTicks;
    }
    EXPECT_EQ(tick, 6);
    EXPECT_EQ(sender.sent.size(), 1u);
    EXPECT_FALSE(search.runPendingSearch());
}

TEST_F(Search, BusyUntilTheFirstTick) {
    EXPECT_TRUE(search.busy());
    ++search.TimerTicks;
    EXPECT_FALSE(search.busy());
    search.requestDelayedSearch();
    EXPECT_TRUE(search.busy());
}

TEST_F(Search, PressesOnCardBodiesHighlightOneNewCamera) {
    addCamera("n1", 1);
    addCamera("n2", 1);
    addCamera("s5", 5);
    int highlighted = search.highlightedRow();
    ASSERT_EQ(highlighted, -1);

    EXPECT_TRUE(pressOnCardBody(list, highlighted, 0));
    EXPECT_EQ(list.entry(0).state, kStateHighlighted);
    EXPECT_TRUE(pressOnCardBody(list, highlighted, 1));
    EXPECT_EQ(list.entry(0).state, kStateNew);
    EXPECT_EQ(list.entry(1).state, kStateHighlighted);
    EXPECT_EQ(highlighted, 1);

    // A set-up or other camera is not highlighted; the previous one returns to state 1.
    EXPECT_FALSE(pressOnCardBody(list, highlighted, 2));
    EXPECT_EQ(list.entry(1).state, kStateNew);
    EXPECT_EQ(highlighted, 1);
}

TEST_F(Search, EverySearchForgetsTheHighlightedCard) {
    search.setHighlightedRow(3);
    search.Image_Search_CameraClick();
    EXPECT_EQ(search.highlightedRow(), -1);
}

} // namespace
} // namespace vistrel
