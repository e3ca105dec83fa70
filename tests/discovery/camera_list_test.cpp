#include "discovery/camera_list.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vistrel {
namespace {

CameraListRow rowOf(const std::string& mac, int state, const std::string& name = "cam") {
    return {{mac, "192.168.  2.  3", name, "Model", std::to_string(state)}};
}

std::vector<std::string> captions(const CameraList& list) {
    std::vector<std::string> result;
    for (int i = 0; i < list.rowCount(); ++i) {
        result.push_back(list.row(i).caption());
    }
    return result;
}

void expectEntriesMatchRows(const CameraList& list) {
    for (int i = 0; i < list.rowCount(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(list.entry(i), entryFromRow(list.row(i)));
    }
}

using Captions = std::vector<std::string>;

TEST(CameraList, EveryAdditionKeepsTheRowsOrderedByState) {
    CameraList list;
    const std::vector<std::pair<std::string, int>> replies{
        {"m5a", 5}, {"m3a", 3}, {"m1a", 1}, {"m4a", 4}, {"m1b", 1}, {"m5b", 5}, {"m3b", 3}};
    for (const auto& [mac, state] : replies) {
        list.addAndOrder(rowOf(mac, state));
        for (int i = 1; i < list.rowCount(); ++i) {
            EXPECT_LE(list.entry(i - 1).state, list.entry(i).state);
        }
        expectEntriesMatchRows(list);
    }
    EXPECT_EQ(list.rowCount(), 7);
    EXPECT_TRUE(list.containsCaption("m4a"));
    EXPECT_FALSE(list.containsCaption("M4A"));
}

// A batch lands where adding its rows one by one would put them: ordered by state, each row
// after the rows that compare equal to it, earlier arrivals first.
TEST(CameraList, ABatchIsPlacedAsAdditionsOneByOneWouldBe) {
    const std::vector<std::pair<std::string, int>> listed{{"l5", 5}, {"l1", 1}, {"l3", 3}};
    const std::vector<std::vector<std::pair<std::string, int>>> batches{
        {{"b3", 3}, {"b1", 1}, {"b5", 5}, {"c1", 1}, {"c3", 3}, {"a4", 4}},
        {{"x5", 5}, {"x4", 4}},
        {},
    };
    CameraList byBatch;
    CameraList oneByOne;
    for (const auto& [mac, state] : listed) {
        byBatch.addAndOrder(rowOf(mac, state));
        oneByOne.addAndOrder(rowOf(mac, state));
    }
    for (const auto& batch : batches) {
        std::vector<CameraListRow> rows;
        for (const auto& [mac, state] : batch) {
            rows.push_back(rowOf(mac, state));
            oneByOne.addAndOrder(rowOf(mac, state));
        }
        byBatch.addBatchAndOrder(std::move(rows));
        EXPECT_EQ(captions(byBatch), captions(oneByOne));
        expectEntriesMatchRows(byBatch);
    }
    EXPECT_EQ(captions(byBatch),
              (Captions{"l1", "b1", "c1", "l3", "b3", "c3", "a4", "x4", "l5", "b5", "x5"}));
}

TEST(CameraList, ABatchLeavesOutCaptionsListedOrRepeated) {
    CameraList list;
    list.addAndOrder(rowOf("aa", 5, "first"));
    list.addBatchAndOrder({rowOf("bb", 1, "first"), rowOf("aa", 1, "again"),
                           rowOf("bb", 3, "again"), rowOf("cc", 4)});
    EXPECT_EQ(captions(list), (Captions{"bb", "cc", "aa"}));
    EXPECT_EQ(list.row(0).columns[kColumnName], "first");
    EXPECT_EQ(list.row(2).columns[kColumnName], "first");
}

TEST(CameraList, ABatchKeepsTheSelectionAndEndsDrawingStates) {
    CameraList list;
    list.addAndOrder(rowOf("set-up", 3));
    list.addAndOrder(rowOf("new", 1));
    list.select(1);
    list.setEntryState(0, kStateHighlighted);
    list.Order(kColumnName);
    list.addBatchAndOrder({rowOf("n2", 1), rowOf("n3", 1)});
    EXPECT_EQ(list.tag(), kColumnState);
    EXPECT_EQ(list.row(list.selectedIndex()).caption(), "set-up");
    EXPECT_EQ(list.selectedIndex(), 3);
    expectEntriesMatchRows(list);
}

TEST(CameraList, EntriesFollowTheirRows) {
    CameraList list;
    list.addAndOrder(rowOf("aa", 5, "Porch"));
    list.addAndOrder(rowOf("bb", 1, "New one"));
    const _camdev& fresh = list.entry(0);
    EXPECT_EQ(fresh.name, "New one");
    EXPECT_EQ(fresh.mac, "bb");
    EXPECT_EQ(fresh.state, 1);
    EXPECT_EQ(fresh.view, 1);
    EXPECT_EQ(list.entry(1).view, 2);
}

TEST(CameraList, ColumnSortIgnoresCase) {
    CameraList list;
    list.addAndOrder(rowOf("m1", 5, "beta"));
    list.addAndOrder(rowOf("m2", 5, "Alpha"));
    list.addAndOrder(rowOf("m3", 5, "GAMMA"));
    list.Order(kColumnName);
    EXPECT_EQ(list.tag(), kColumnName);
    EXPECT_EQ(captions(list), (Captions{"m2", "m1", "m3"}));
    expectEntriesMatchRows(list);

    // The next addition orders by state again.
    list.addAndOrder(rowOf("m0", 1, "zulu"));
    EXPECT_EQ(list.tag(), kColumnState);
    EXPECT_EQ(list.row(0).caption(), "m0");
}

TEST(CameraList, DrawingStateLastsUntilTheNextAddition) {
    CameraList list;
    list.addAndOrder(rowOf("new", 1));
    list.setEntryState(0, kStateHighlighted);
    EXPECT_EQ(list.entry(0).state, kStateHighlighted);
    EXPECT_EQ(list.row(0).columns[kColumnState], "1");

    list.addAndOrder(rowOf("other", 5));
    EXPECT_EQ(list.entry(0).state, kStateNew);
}

TEST(CameraList, SelectionFollowsTheRowWhenOthersAreInsertedBeforeIt) {
    CameraList list;
    list.addAndOrder(rowOf("set-up", 3));
    list.select(0);
    list.addAndOrder(rowOf("new", 1));
    EXPECT_EQ(list.selectedIndex(), 1);
    list.select(-1);
    EXPECT_EQ(list.selectedIndex(), -1);
    list.select(7);
    EXPECT_EQ(list.selectedIndex(), -1);
}

TEST(CameraList, RemovingAllRowsForgetsCaptionsAndSelection) {
    CameraList list;
    list.addAndOrder(rowOf("aa", 3));
    list.select(0);
    list.removeAllRows();
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_FALSE(list.containsCaption("aa"));
    EXPECT_EQ(list.selectedIndex(), -1);
}

TEST(TextComparison, IgnoresCaseOfAsciiLetters) {
    EXPECT_EQ(compareTextIgnoringCase("Alpha", "alpha"), 0);
    EXPECT_LT(compareTextIgnoringCase("alpha", "Beta"), 0);
    EXPECT_LT(compareTextIgnoringCase("ab", "abc"), 0);
    EXPECT_GT(compareTextIgnoringCase("\xE9", "z"), 0);
}

} // namespace
} // namespace vistrel
