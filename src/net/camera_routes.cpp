#include "net/camera_routes.h"

namespace vistrel::net {

CameraRoutes::CameraRoutes(std::size_t capacity) : capacity_(capacity == 0 ? 1 : capacity) {}

std::uint64_t CameraRoutes::keyOf(const MacAddress& mac) {
    std::uint64_t key = 0;
    for (const std::uint8_t byte : mac) {
        key = key << 8 | byte;
    }
    return key;
}

void CameraRoutes::record(const MacAddress& mac, int interfaceIndex) {
    const std::uint64_t key = keyOf(mac);
    const std::lock_guard lock(mutex_);
    const auto [place, added] = interfaces_.insert_or_assign(key, interfaceIndex);
    if (!added) {
        return;
    }
    arrivalOrder_.push_back(key);
    if (arrivalOrder_.size() > capacity_) {
        interfaces_.erase(arrivalOrder_.front());
        arrivalOrder_.pop_front();
    }
}

bool CameraRoutes::recordIfKnown(const MacAddress& mac, int interfaceIndex) {
    const std::lock_guard lock(mutex_);
    const auto found = interfaces_.find(keyOf(mac));
    if (found == interfaces_.end()) {
        return false;
    }
    found->second = interfaceIndex;
    return true;
}

std::optional<int> CameraRoutes::interfaceOf(const MacAddress& mac) const {
    const std::lock_guard lock(mutex_);
    const auto found = interfaces_.find(keyOf(mac));
    return found == interfaces_.end() ? std::nullopt : std::optional(found->second);
}

std::size_t CameraRoutes::size() const {
    const std::lock_guard lock(mutex_);
    return interfaces_.size();
}

} // namespace vistrel::net
