#pragma once
// A socket descriptor that closes itself, and waits on one that end at a deadline of the
// monotonic clock, whatever signals interrupt them.

#include <chrono>

namespace vistrel {

using Deadline = std::chrono::steady_clock::time_point;

class SocketHandle {
public:
    explicit SocketHandle(int fd = -1) : fd_(fd) {}
    ~SocketHandle();
    SocketHandle(SocketHandle&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    SocketHandle& operator=(SocketHandle&&) = delete;
    SocketHandle(const SocketHandle&) = delete;
    SocketHandle& operator=(const SocketHandle&) = delete;

    int fd() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

// Waits until the socket has one of the poll events or the deadline passes; true when an
// event came.
bool waitForSocket(int fd, short events, Deadline deadline);

} // namespace vistrel
