#pragma once
// The replies received and not yet taken by the GUI thread, bounded in the memory they hold.
// When a reply does not fit, the oldest unexpected replies make room for it; an expected reply
// (a camera, or a reply from a known camera) is never dropped while room can be made that way,
// and is dropped itself, counted, only when the queue holds nothing else. A camera that is
// already waiting in the queue is not queued twice. Not thread-safe: its owner locks.

#include "net/received_reply.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <unordered_set>

namespace vistrel::net {

struct QueueCounts {
    long long duplicates = 0;        // cameras already waiting in the queue
    long long droppedUnexpected = 0; // unexpected replies dropped for room
    long long droppedExpected = 0;   // expected replies that found no room
};

class ReplyQueue {
public:
    // Enough for a burst of 50,000 cameras, or 2,000 of the longest datagrams taken in.
    static constexpr std::size_t kDefaultCapacityBytes = std::size_t{16} << 20;

    explicit ReplyQueue(std::size_t capacityBytes = kDefaultCapacityBytes);

    // False when the reply was not queued (a repeated camera, or no room).
    bool push(ReceivedReply reply);
    // Everything queued, in arrival order; the queue is empty afterwards.
    ReplyBatch takeAll();

    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }
    std::size_t bytes() const { return bytes_; }
    const QueueCounts& counts() const { return counts_; }

    // What a reply is charged against the capacity: its bytes and its bookkeeping.
    static std::size_t costOf(const ReceivedReply& reply);

private:
    void dropOldestUnexpected();

    const std::size_t capacityBytes_;
    // Slots in arrival order; a dropped reply leaves an empty slot until the next takeAll.
    std::deque<std::optional<ReceivedReply>> slots_;
    std::deque<std::size_t> unexpected_; // slot numbers of unexpected replies, oldest first
    std::unordered_set<std::string> waitingCameras_; // MAC texts of queued cameras
    std::size_t firstSlot_ = 0;                      // the slot number of slots_.front()
    std::size_t size_ = 0;
    std::size_t bytes_ = 0;
    QueueCounts counts_;
};

} // namespace vistrel::net
