#pragma once
// Drains a UDP socket on a thread of its own: it sleeps in poll until datagrams arrive, then
// reads them many at a time (recvmmsg) until the socket is empty, and hands each group with the
// arrival interface of every datagram to its handler, on that thread. A datagram longer than the
// receive buffer is not read whole and is reported apart. Stopping wakes the thread through an
// eventfd and waits for it.

#include "net/reply_inbox.h"

#include <functional>
#include <span>
#include <thread>

namespace vistrel::net {

class ReceiveBuffers;

class ReceiveLoop {
public:
    // The longest datagram taken: replies are far shorter.
    static constexpr std::size_t kReceiveBufferBytes = 8192;
    // Datagrams read by one system call.
    static constexpr std::size_t kBatchSize = 64;

    using ArrivalHandler = std::function<void(std::span<const Arrival>)>;
    using TooLongHandler = std::function<void()>;

    ReceiveLoop(ArrivalHandler onArrivals, TooLongHandler onTooLong);
    ~ReceiveLoop();
    ReceiveLoop(const ReceiveLoop&) = delete;
    ReceiveLoop& operator=(const ReceiveLoop&) = delete;

    // Starts draining the socket; false when the thread's wake-up cannot be made.
    bool start(int socketDescriptor);
    // Ends the thread and waits for it; the socket stays open.
    void stop();
    bool running() const { return thread_.joinable(); }

private:
    void run(int socketDescriptor);
    void drain(int socketDescriptor, ReceiveBuffers& buffers);

    ArrivalHandler onArrivals_;
    TooLongHandler onTooLong_;
    int wake_ = -1;
    std::thread thread_;
};

} // namespace vistrel::net
