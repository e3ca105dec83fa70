#include "net/receive_loop.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace vistrel::net {

// The buffers of one recvmmsg call, made once for the thread's life.
class ReceiveBuffers {
public:
    ReceiveBuffers()
        : data_(ReceiveLoop::kBatchSize * ReceiveLoop::kReceiveBufferBytes),
          control_(ReceiveLoop::kBatchSize) {
        for (std::size_t i = 0; i < ReceiveLoop::kBatchSize; ++i) {
            iovecs_[i] = {datagram(i), ReceiveLoop::kReceiveBufferBytes};
        }
    }

    // Ready for the next call: the kernel writes the lengths and flags of every message.
    mmsghdr* messages() {
        for (std::size_t i = 0; i < ReceiveLoop::kBatchSize; ++i) {
            msghdr& header = messages_[i].msg_hdr;
            header = {};
            header.msg_iov = &iovecs_[i];
            header.msg_iovlen = 1;
            header.msg_control = control_[i].bytes;
            header.msg_controllen = sizeof control_[i].bytes;
            messages_[i].msg_len = 0;
        }
        return messages_.data();
    }

    Bytes received(std::size_t i) { return {datagram(i), messages_[i].msg_len}; }
    bool truncated(std::size_t i) const { return messages_[i].msg_hdr.msg_flags & MSG_TRUNC; }

    int arrivalInterface(std::size_t i) {
        msghdr& header = messages_[i].msg_hdr;
        for (cmsghdr* part = CMSG_FIRSTHDR(&header); part != nullptr;
             part = CMSG_NXTHDR(&header, part)) {
            if (part->cmsg_level == IPPROTO_IP && part->cmsg_type == IP_PKTINFO) {
                in_pktinfo info{};
                std::memcpy(&info, CMSG_DATA(part), sizeof info);
                return info.ipi_ifindex;
            }
        }
        return 0;
    }

private:
    std::uint8_t* datagram(std::size_t i) {
        return data_.data() + i * ReceiveLoop::kReceiveBufferBytes;
    }

    struct Control {
        alignas(cmsghdr) char bytes[CMSG_SPACE(sizeof(in_pktinfo))];
    };
    std::vector<std::uint8_t> data_;
    std::vector<Control> control_;
    std::array<iovec, ReceiveLoop::kBatchSize> iovecs_{};
    std::array<mmsghdr, ReceiveLoop::kBatchSize> messages_{};
};

ReceiveLoop::ReceiveLoop(ArrivalHandler onArrivals, TooLongHandler onTooLong)
    : onArrivals_(std::move(onArrivals)), onTooLong_(std::move(onTooLong)) {}

ReceiveLoop::~ReceiveLoop() {
    stop();
}

bool ReceiveLoop::start(int socketDescriptor) {
    if (running()) {
        return true;
    }
    wake_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wake_ < 0) {
        return false;
    }
    thread_ = std::thread([this, socketDescriptor] { run(socketDescriptor); });
    return true;
}

void ReceiveLoop::stop() {
    if (!running()) {
        return;
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wake_, &one, sizeof one);
    thread_.join();
    close(wake_);
    wake_ = -1;
}

void ReceiveLoop::run(int socketDescriptor) {
    const auto buffers = std::make_unique<ReceiveBuffers>();
    std::array<pollfd, 2> waits{{{socketDescriptor, POLLIN, 0}, {wake_, POLLIN, 0}}};
    while (true) {
        if (poll(waits.data(), waits.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (waits[1].revents != 0 || (waits[0].revents & POLLNVAL) != 0) {
            return;
        }
        if (waits[0].revents != 0) {
            drain(socketDescriptor, *buffers);
        }
    }
}

// Reads until the socket is empty, handing on each group as it comes.
void ReceiveLoop::drain(int socketDescriptor, ReceiveBuffers& buffers) {
    std::vector<Arrival> arrivals;
    arrivals.reserve(kBatchSize);
    while (true) {
        const int count = recvmmsg(socketDescriptor, buffers.messages(),
                                   static_cast<unsigned>(kBatchSize), MSG_DONTWAIT, nullptr);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return; // empty (EAGAIN), or an error the next poll reports again
        }
        arrivals.clear();
        for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
            if (buffers.truncated(i)) {
                onTooLong_();
            } else {
                arrivals.push_back({buffers.received(i), buffers.arrivalInterface(i)});
            }
        }
        onArrivals_(arrivals);
    }
}

} // namespace vistrel::net
