#include "net/reply_inbox.h"

#include "net/reply_intake.h"

namespace vistrel::net {

ReplyInbox::ReplyInbox(const SearchedInterfaces& interfaces, CameraRoutes& routes,
                       TrafficCounts& traffic, std::size_t capacityBytes)
    : interfaces_(interfaces), routes_(routes), traffic_(traffic), queue_(capacityBytes) {}

bool ReplyInbox::deliver(std::span<const Arrival> arrivals) {
    // Decoding happens before the lock, so the GUI thread never waits for it.
    const std::shared_ptr<const InterfaceTable> table = interfaces_.current();
    const bool restricted = interfaces_.restricted();
    InboxCounts seen;
    ReplyBatch replies;
    replies.reserve(arrivals.size());
    for (const Arrival& arrival : arrivals) {
        if (std::optional<ReceivedReply> reply = takeIn(arrival, *table, restricted, seen)) {
            replies.push_back(std::move(*reply));
        }
    }
    const std::lock_guard lock(mutex_);
    counts_.received += seen.received;
    counts_.notReplies += seen.notReplies;
    counts_.elsewhere += seen.elsewhere;
    for (ReceivedReply& reply : replies) {
        queue_.push(std::move(reply));
    }
    if (told_ || queue_.empty()) {
        return false;
    }
    told_ = true;
    return true;
}

std::optional<ReceivedReply> ReplyInbox::takeIn(const Arrival& arrival, const InterfaceTable& table,
                                                bool restricted, InboxCounts& seen) {
    ++seen.received;
    const bool searchedThere = table.searched(arrival.interfaceIndex);
    if (restricted && !searchedThere) {
        ++seen.elsewhere;
        return std::nullopt;
    }
    if (replyCodeOf(arrival.datagram)) {
        traffic_.countReceived(arrival.interfaceIndex, searchedThere);
    }
    std::optional<ReceivedReply> reply =
        takeInReply(arrival.datagram, arrival.interfaceIndex, table, routes_);
    if (!reply) {
        ++seen.notReplies;
    }
    return reply;
}

void ReplyInbox::countTooLong() {
    const std::lock_guard lock(mutex_);
    ++counts_.received;
    ++counts_.tooLong;
}

ReplyBatch ReplyInbox::take() {
    const std::lock_guard lock(mutex_);
    told_ = false;
    return queue_.takeAll();
}

InboxCounts ReplyInbox::counts() const {
    const std::lock_guard lock(mutex_);
    InboxCounts counts = counts_;
    counts.queue = queue_.counts();
    return counts;
}

} // namespace vistrel::net
