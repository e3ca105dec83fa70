#pragma once
// Where the receiving thread leaves what it received and the GUI thread takes it from: each
// datagram is taken in (reply_intake.h), counted, and queued (reply_queue.h). The GUI thread is
// told once that replies wait, and not again until it has taken them, so that a burst costs it
// one call per batch however many datagrams arrive meanwhile.

#include "base/bytes.h"
#include "net/camera_routes.h"
#include "net/reply_queue.h"
#include "net/searched_interfaces.h"
#include "net/traffic_counts.h"

#include <mutex>
#include <optional>
#include <span>

namespace vistrel::net {

// One received datagram and the interface it arrived on (0 when not known).
struct Arrival {
    Bytes datagram;
    int interfaceIndex = 0;
};

struct InboxCounts {
    long long received = 0;   // datagrams the receiving thread read
    long long notReplies = 0; // requests, unknown codes, devices that are not cameras
    long long elsewhere = 0;  // arrived on an interface that --interface left out
    long long tooLong = 0;    // longer than the receive buffer, so not read whole
    QueueCounts queue;
};

class ReplyInbox {
public:
    ReplyInbox(const SearchedInterfaces& interfaces, CameraRoutes& routes, TrafficCounts& traffic,
               std::size_t capacityBytes = ReplyQueue::kDefaultCapacityBytes);

    // Takes in datagrams from the receiving thread. True when the GUI thread is to be told:
    // replies wait and it was not told since it last took them.
    bool deliver(std::span<const Arrival> arrivals);
    void countTooLong();

    // Everything waiting, in arrival order.
    ReplyBatch take();

    InboxCounts counts() const;

private:
    std::optional<ReceivedReply> takeIn(const Arrival& arrival, const InterfaceTable& table,
                                        bool restricted, InboxCounts& seen);

    const SearchedInterfaces& interfaces_;
    CameraRoutes& routes_;
    TrafficCounts& traffic_;
    mutable std::mutex mutex_;
    ReplyQueue queue_;
    InboxCounts counts_;
    bool told_ = false;
};

} // namespace vistrel::net
