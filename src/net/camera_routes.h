#pragma once
// Where each camera was last seen: the interface on which its replies arrive, by MAC. Later
// datagrams to a camera leave through that interface, so that a write never goes out to a
// network where the camera is not. The table is bounded: past its capacity the camera heard
// of longest ago is forgotten, so a flood of invented MACs cannot grow it without end.
// Both the receiving thread and the sending one use it.

#include "protocol/address_text.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace vistrel::net {

class CameraRoutes {
public:
    static constexpr std::size_t kDefaultCapacity = 65536;

    explicit CameraRoutes(std::size_t capacity = kDefaultCapacity);

    // A camera's discovery reply arrived on this interface.
    void record(const MacAddress& mac, int interfaceIndex);
    // Another reply arrived: it moves a known camera, and tells nothing of an unknown MAC.
    // Returns whether the MAC is a known camera.
    bool recordIfKnown(const MacAddress& mac, int interfaceIndex);
    // The interface the camera was last seen on; nothing when it was never seen.
    std::optional<int> interfaceOf(const MacAddress& mac) const;
    std::size_t size() const;

private:
    static std::uint64_t keyOf(const MacAddress& mac);

    const std::size_t capacity_;
    mutable std::mutex mutex_;
    std::unordered_map<std::uint64_t, int> interfaces_;
    std::deque<std::uint64_t> arrivalOrder_; // first heard of first
};

} // namespace vistrel::net
