#include "camhttp/socket_connection.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <netdb.h>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace vistrel {

namespace {

using Clock = std::chrono::steady_clock;

std::optional<sockaddr_in> addressOf(std::string_view host, std::uint16_t port) {
    const std::string name(host);
    if (name.empty() || name.size() != std::char_traits<char>::length(name.c_str())) {
        return std::nullopt;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
        return std::nullopt;
    }
    sockaddr_in address = *reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    freeaddrinfo(found);
    address.sin_port = htons(port);
    return address;
}

// Milliseconds until the deadline, rounded up so that a wait never ends just before it.
int millisecondsUntil(Deadline deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(left.count(), 0, 60'000));
}

bool wouldBlock(int error) {
    return error == EAGAIN || error == EWOULDBLOCK || error == EINTR;
}

} // namespace

SocketConnection::SocketConnection(int descriptor, const Interruption* interruption)
    : descriptor_(descriptor), interruption_(interruption) {}

SocketConnection::~SocketConnection() {
    close(descriptor_);
}

SocketConnection::Opened SocketConnection::open(std::string_view host, std::uint16_t port,
                                                std::chrono::milliseconds timeout,
                                                const Interruption* interruption) {
    const auto address = addressOf(host, port);
    if (!address) {
        return {ConnectStatus::LookupFailed, nullptr};
    }
    const int descriptor = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (descriptor < 0) {
        return {ConnectStatus::Failed, nullptr};
    }
    std::unique_ptr<SocketConnection> connection(new SocketConnection(descriptor, interruption));
    if (connect(descriptor, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0 &&
        errno != EINPROGRESS) {
        return {ConnectStatus::Failed, nullptr};
    }
    switch (connection->waitFor(POLLOUT, Clock::now() + timeout)) {
    case Wait::TimedOut:
        return {ConnectStatus::TimedOut, nullptr};
    case Wait::Interrupted:
        return {ConnectStatus::Interrupted, nullptr};
    case Wait::Ready:
        break;
    }
    int error = 0;
    socklen_t size = sizeof error;
    if (getsockopt(descriptor, SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0) {
        return {ConnectStatus::Failed, nullptr};
    }
    return {ConnectStatus::Connected, std::move(connection)};
}

SocketConnection::Wait SocketConnection::waitFor(short events, Deadline deadline) const {
    const int wake = interruption_ ? interruption_->descriptor() : -1;
    for (;;) {
        if (interruption_ && interruption_->triggered()) {
            return Wait::Interrupted;
        }
        int timeout = millisecondsUntil(deadline);
        if (interruption_ && wake < 0) {
            timeout = std::min(timeout, Interruption::kPollStepMs);
        }
        pollfd waiting[2] = {{descriptor_, events, 0}, {wake, POLLIN, 0}};
        const int ready = poll(waiting, wake >= 0 ? 2 : 1, timeout);
        if (ready < 0 && errno != EINTR) {
            return Wait::Ready; // the call that follows reports the error
        }
        if (ready > 0 && waiting[1].revents != 0) {
            return Wait::Interrupted;
        }
        if (ready > 0) {
            return Wait::Ready;
        }
        if (ready == 0 && Clock::now() >= deadline) {
            return Wait::TimedOut;
        }
    }
}

Received SocketConnection::receive(MutableBytes into, Deadline deadline) {
    for (;;) {
        switch (waitFor(POLLIN, deadline)) {
        case Wait::TimedOut:
            return {ReceiveStatus::TimedOut, 0};
        case Wait::Interrupted:
            return {ReceiveStatus::Interrupted, 0};
        case Wait::Ready:
            break;
        }
        const ssize_t count = recv(descriptor_, into.data(), into.size(), MSG_DONTWAIT);
        if (count > 0) {
            return {ReceiveStatus::Data, static_cast<std::size_t>(count)};
        }
        if (count == 0) {
            return {ReceiveStatus::Closed, 0};
        }
        if (!wouldBlock(errno)) {
            return {ReceiveStatus::Failed, 0};
        }
    }
}

SendStatus SocketConnection::sendAll(std::string_view bytes, Deadline deadline) {
    while (!bytes.empty()) {
        switch (waitFor(POLLOUT, deadline)) {
        case Wait::TimedOut:
            return SendStatus::TimedOut;
        case Wait::Interrupted:
            return SendStatus::Interrupted;
        case Wait::Ready:
            break;
        }
        const ssize_t sent =
            send(descriptor_, bytes.data(), bytes.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        } else if (sent < 0 && !wouldBlock(errno)) {
            return SendStatus::Failed;
        }
    }
    return SendStatus::Sent;
}

} // namespace vistrel
