#pragma once

#include "base/bytes.h"

#include <chrono>
#include <cstddef>

namespace vistrel {

using Deadline = std::chrono::steady_clock::time_point;

enum class ReceiveStatus {
    Data,        // at least one byte arrived
    Closed,      // the peer closed the connection
    TimedOut,    // nothing arrived before the deadline
    Interrupted, // the wait was interrupted
    Failed,      // the connection broke
};

struct Received {
    ReceiveStatus status = ReceiveStatus::Closed;
    std::size_t count = 0; // bytes written, with Data
};

// Where a response's bytes come from: a connection, or bytes held in memory for tests and
// fuzzing.
class ByteSource {
public:
    virtual ~ByteSource() = default;

    // Receives between one and into.size() bytes, waiting at most until the deadline.
    virtual Received receive(MutableBytes into, Deadline deadline) = 0;
};

} // namespace vistrel
