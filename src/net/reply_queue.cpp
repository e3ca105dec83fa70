#include "net/reply_queue.h"

namespace vistrel::net {

ReplyQueue::ReplyQueue(std::size_t capacityBytes) : capacityBytes_(capacityBytes) {}

std::size_t ReplyQueue::costOf(const ReceivedReply& reply) {
    std::size_t cost = sizeof(ReceivedReply);
    if (const DiscoveredCamera* camera = reply.camera()) {
        for (const std::string& column : camera->row.columns) {
            cost += column.size();
        }
        cost += camera->row.interfaceName.size() + camera->row.interfaceNetworks.size();
    } else if (const OtherReply* other = reply.other()) {
        cost += other->datagram.size();
    }
    return cost;
}

bool ReplyQueue::push(ReceivedReply reply) {
    const DiscoveredCamera* camera = reply.camera();
    if (camera && waitingCameras_.contains(camera->row.caption())) {
        ++counts_.duplicates;
        return false;
    }
    const std::size_t cost = costOf(reply);
    while (bytes_ + cost > capacityBytes_ && !unexpected_.empty()) {
        dropOldestUnexpected();
    }
    if (bytes_ + cost > capacityBytes_) {
        ++(reply.expected ? counts_.droppedExpected : counts_.droppedUnexpected);
        return false;
    }
    if (camera) {
        waitingCameras_.insert(camera->row.caption());
    }
    if (!reply.expected) {
        unexpected_.push_back(firstSlot_ + slots_.size());
    }
    slots_.emplace_back(std::move(reply));
    bytes_ += cost;
    ++size_;
    return true;
}

void ReplyQueue::dropOldestUnexpected() {
    std::optional<ReceivedReply>& slot = slots_[unexpected_.front() - firstSlot_];
    unexpected_.pop_front();
    if (const DiscoveredCamera* camera = slot->camera()) {
        waitingCameras_.erase(camera->row.caption());
    }
    bytes_ -= costOf(*slot);
    --size_;
    slot.reset();
    ++counts_.droppedUnexpected;
}

ReplyBatch ReplyQueue::takeAll() {
    ReplyBatch batch;
    batch.reserve(size_);
    for (std::optional<ReceivedReply>& slot : slots_) {
        if (slot) {
            batch.push_back(std::move(*slot));
        }
    }
    firstSlot_ += slots_.size();
    slots_.clear();
    unexpected_.clear();
    waitingCameras_.clear();
    size_ = 0;
    bytes_ = 0;
    return batch;
}

} // namespace vistrel::net
