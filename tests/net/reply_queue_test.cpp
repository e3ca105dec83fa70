// The queue between the receiving thread and the GUI thread: bounded in memory, the oldest
// unexpected replies make room first, a camera waits in it once.

#include "net/reply_queue.h"

#include <gtest/gtest.h>
#include <string>

namespace vistrel::net {
namespace {

ReceivedReply camera(const std::string& mac) {
    DiscoveredCamera found;
    found.row.columns[kColumnMac] = mac;
    found.row.columns[kColumnState] = "5";
    return {std::move(found), 2, true};
}

// A status-shaped reply; tag tells replies apart.
ReceivedReply other(std::uint8_t tag, bool expected, std::size_t size = 11) {
    std::vector<std::uint8_t> datagram(size, 0);
    datagram[0] = tag;
    return {OtherReply{std::move(datagram)}, 2, expected};
}

// What a batch holds, in order: MAC texts for cameras, "u7"/"e7" for unexpected/expected others.
std::vector<std::string> contents(const ReplyBatch& batch) {
    std::vector<std::string> result;
    for (const ReceivedReply& reply : batch) {
        if (const DiscoveredCamera* found = reply.camera()) {
            result.push_back(found->row.caption());
        } else {
            result.push_back((reply.expected ? "e" : "u") +
                             std::to_string(reply.other()->datagram[0]));
        }
    }
    return result;
}

using Contents = std::vector<std::string>;

// Room for exactly `count` replies like `sample`.
std::size_t roomFor(std::size_t count, const ReceivedReply& sample) {
    return count * ReplyQueue::costOf(sample);
}

TEST(ReplyQueue, GivesEverythingBackInArrivalOrderAndStartsAfresh) {
    ReplyQueue queue;
    EXPECT_TRUE(queue.push(camera("a")));
    EXPECT_TRUE(queue.push(other(1, false)));
    EXPECT_TRUE(queue.push(camera("b")));
    EXPECT_TRUE(queue.push(other(2, true)));
    EXPECT_EQ(contents(queue.takeAll()), (Contents{"a", "u1", "b", "e2"}));
    EXPECT_TRUE(queue.empty());
    EXPECT_EQ(queue.bytes(), 0u);
    EXPECT_TRUE(queue.takeAll().empty());
}

// A camera answers each search once in the list, so a repeat waiting beside it would only take
// room; once taken, its next reply is queued again (the list judges it then).
TEST(ReplyQueue, ACameraWaitsOnce) {
    ReplyQueue queue;
    EXPECT_TRUE(queue.push(camera("a")));
    EXPECT_FALSE(queue.push(camera("a")));
    EXPECT_EQ(queue.counts().duplicates, 1);
    EXPECT_EQ(contents(queue.takeAll()), (Contents{"a"}));
    EXPECT_TRUE(queue.push(camera("a")));
}

TEST(ReplyQueue, TheOldestUnexpectedRepliesMakeRoomFirst) {
    const ReceivedReply sample = other(0, false);
    ReplyQueue queue(roomFor(4, sample));
    queue.push(other(1, false));
    queue.push(other(2, true));
    queue.push(other(3, false));
    queue.push(other(4, false));
    // Full: a new expected reply pushes out the oldest unexpected one, a new unexpected one too.
    EXPECT_TRUE(queue.push(other(5, true)));
    EXPECT_TRUE(queue.push(other(6, false)));
    EXPECT_EQ(queue.counts().droppedUnexpected, 2);
    EXPECT_EQ(queue.size(), 4u);
    EXPECT_LE(queue.bytes(), roomFor(4, sample));
    EXPECT_EQ(contents(queue.takeAll()), (Contents{"e2", "u4", "e5", "u6"}));
}

TEST(ReplyQueue, AnExpectedReplyIsDroppedOnlyWhenNothingElseCanMakeRoom) {
    const ReceivedReply sample = other(0, true);
    ReplyQueue queue(roomFor(2, sample));
    queue.push(other(1, true));
    queue.push(other(2, true));
    EXPECT_FALSE(queue.push(other(3, false)));
    EXPECT_FALSE(queue.push(other(4, true)));
    EXPECT_EQ(queue.counts().droppedUnexpected, 1);
    EXPECT_EQ(queue.counts().droppedExpected, 1);
    EXPECT_EQ(contents(queue.takeAll()), (Contents{"e1", "e2"}));
}

// Long garbage cannot crowd out short replies: each one is charged by its size, and several
// small unexpected ones make room for one long expected reply.
TEST(ReplyQueue, MemoryNotCountIsBounded) {
    const std::size_t longest = 8192;
    ReplyQueue queue(roomFor(3, other(0, false, longest)));
    for (std::uint8_t tag = 1; tag <= 100; ++tag) {
        queue.push(other(tag, false, longest));
    }
    EXPECT_EQ(queue.size(), 3u);
    EXPECT_EQ(queue.counts().droppedUnexpected, 97);

    ReplyQueue small(roomFor(3, other(0, false)) + 10);
    small.push(other(1, false));
    small.push(other(2, false));
    small.push(other(3, false));
    EXPECT_TRUE(small.push(other(4, true, 30)));
    EXPECT_EQ(contents(small.takeAll()), (Contents{"u3", "e4"}));
}

// A flood of garbage while cameras answer: every camera is still there, in order.
TEST(ReplyQueue, AFloodOfGarbageNeverCostsACamera) {
    const ReceivedReply sample = camera("00:00:00:00:00:00");
    ReplyQueue queue(roomFor(120, sample));
    Contents cameras;
    for (int i = 0; i < 100; ++i) {
        const std::string mac = "00:00:00:00:00:" + std::to_string(10 + i);
        for (std::uint8_t junk = 0; junk < 20; ++junk) {
            queue.push(other(junk, false));
        }
        ASSERT_TRUE(queue.push(camera(mac)));
        cameras.push_back(mac);
    }
    Contents taken;
    for (const std::string& entry : contents(queue.takeAll())) {
        if (entry[0] == '0') {
            taken.push_back(entry);
        }
    }
    EXPECT_EQ(taken, cameras);
    EXPECT_EQ(queue.counts().droppedExpected, 0);
}

} // namespace
} // namespace vistrel::net
