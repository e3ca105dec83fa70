#include "probe/echo_client.h"

#include "probe/icmp_packet.h"
#include "probe/socket_wait.h"

#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vistrel {

namespace {

// A reply larger than this is no echo reply of ours; the rest of it is dropped.
constexpr std::size_t kReceiveBufferSize = 4096;

std::uint16_t nextSequence() {
    static std::atomic<std::uint16_t> sequence{0};
    return ++sequence;
}

std::uint16_t nextIdentifier() {
    static std::atomic<std::uint16_t> clients{0};
    return static_cast<std::uint16_t>(::getpid()) + clients++;
}

sockaddr_in socketAddressOf(std::uint32_t address, std::uint16_t port) {
    sockaddr_in socketAddress{};
    socketAddress.sin_family = AF_INET;
    socketAddress.sin_addr.s_addr = address;
    socketAddress.sin_port = htons(port);
    return socketAddress;
}

Deadline deadlineAfter(std::chrono::milliseconds timeout) {
    return std::chrono::steady_clock::now() + timeout;
}

class IcmpEchoClient final : public EchoClient {
public:
    IcmpEchoClient(SocketHandle socket, EchoMethod method, std::uint32_t address,
                   std::chrono::milliseconds timeout)
        : socket_(std::move(socket)), method_(method), address_(address), timeout_(timeout),
          identifier_(nextIdentifier()) {}

    EchoMethod method() const override { return method_; }

    EchoOutcome echo() override {
        const std::uint16_t sequence = nextSequence();
        const std::vector<std::uint8_t> request = buildEchoRequest(identifier_, sequence);
        const sockaddr_in to = socketAddressOf(address_, 0);
        if (::sendto(socket_.fd(), request.data(), request.size(), 0,
                     reinterpret_cast<const sockaddr*>(&to),
                     sizeof to) != static_cast<ssize_t>(request.size())) {
            return EchoOutcome::Failed;
        }
        const Deadline deadline = deadlineAfter(timeout_);
        while (waitForSocket(socket_.fd(), POLLIN, deadline)) {
            const auto received = receiveOne(sequence);
            if (received) {
                return *received;
            }
        }
        return EchoOutcome::TimedOut;
    }

private:
    // One received datagram: Answered when it is the reply to this request, nullopt when it
    // is something else, Failed on a socket error.
    std::optional<EchoOutcome> receiveOne(std::uint16_t sequence) {
        std::uint8_t buffer[kReceiveBufferSize];
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t size = ::recvfrom(socket_.fd(), buffer, sizeof buffer, MSG_DONTWAIT,
                                        reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (size < 0) {
            return errno == EAGAIN || errno == EINTR ? std::nullopt
                                                     : std::optional(EchoOutcome::Failed);
        }
        if (from.sin_addr.s_addr != address_) {
            return std::nullopt;
        }
        const Bytes datagram(buffer, static_cast<std::size_t>(size));
        // A datagram socket's replies are ours already: the system gives the socket its own
        // identifier and hands it only the replies that carry it.
        const bool raw = method_ == EchoMethod::IcmpRaw;
        const auto reply = readEchoReply(raw ? icmpMessageOfIpv4Packet(datagram) : datagram);
        if (reply && reply->sequence == sequence && (!raw || reply->identifier == identifier_)) {
            return EchoOutcome::Answered;
        }
        return std::nullopt;
    }

    SocketHandle socket_;
    EchoMethod method_;
    std::uint32_t address_;
    std::chrono::milliseconds timeout_;
    std::uint16_t identifier_;
};

// Stands in for ICMP where the system allows none: the camera's own network stack answers a
// connect to its web port at once, with an accepted or a refused connection.
class TcpConnectEchoClient final : public EchoClient {
public:
    TcpConnectEchoClient(const EchoTarget& target, std::chrono::milliseconds timeout)
        : target_(target), timeout_(timeout) {}

    EchoMethod method() const override { return EchoMethod::TcpConnect; }

    EchoOutcome echo() override {
        const SocketHandle socket(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        if (!socket.valid()) {
            return EchoOutcome::Failed;
        }
        const Deadline deadline = deadlineAfter(timeout_);
        const sockaddr_in to = socketAddressOf(target_.address, target_.webPort);
        if (::connect(socket.fd(), reinterpret_cast<const sockaddr*>(&to), sizeof to) == 0) {
            return EchoOutcome::Answered;
        }
        if (errno != EINPROGRESS) {
            return outcomeOfConnectError(errno);
        }
        if (!waitForSocket(socket.fd(), POLLOUT, deadline)) {
            return EchoOutcome::TimedOut;
        }
        int error = 0;
        socklen_t errorSize = sizeof error;
        ::getsockopt(socket.fd(), SOL_SOCKET, SO_ERROR, &error, &errorSize);
        return outcomeOfConnectError(error);
    }

private:
    static EchoOutcome outcomeOfConnectError(int error) {
        switch (error) {
        case 0:
        case ECONNREFUSED:
            return EchoOutcome::Answered;
        case ETIMEDOUT:
            return EchoOutcome::TimedOut;
        default:
            return EchoOutcome::Failed;
        }
    }

    EchoTarget target_;
    std::chrono::milliseconds timeout_;
};

} // namespace

std::unique_ptr<EchoClient> openEchoClient(EchoMethod method, const EchoTarget& target,
                                           std::chrono::milliseconds timeout) {
    if (method == EchoMethod::TcpConnect) {
        return std::make_unique<TcpConnectEchoClient>(target, timeout);
    }
    const int type = method == EchoMethod::IcmpDatagram ? SOCK_DGRAM : SOCK_RAW;
    SocketHandle socket(::socket(AF_INET, type | SOCK_CLOEXEC, IPPROTO_ICMP));
    if (!socket.valid()) {
        return nullptr;
    }
    return std::make_unique<IcmpEchoClient>(std::move(socket), method, target.address, timeout);
}

std::unique_ptr<EchoClient> openEchoClient(const EchoTarget& target,
                                           std::chrono::milliseconds timeout) {
    for (const EchoMethod method :
         {EchoMethod::IcmpDatagram, EchoMethod::IcmpRaw, EchoMethod::TcpConnect}) {
        if (auto client = openEchoClient(method, target, timeout)) {
            return client;
        }
    }
    return nullptr;
}

std::optional<std::uint32_t> lookUpIpv4(const std::string& host) {
    in_addr dotted{};
    if (::inet_pton(AF_INET, host.c_str(), &dotted) == 1) {
        return dotted.s_addr;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (host.empty() || ::getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || !found) {
        return std::nullopt;
    }
    const std::uint32_t address = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    ::freeaddrinfo(found);
    return address;
}

} // namespace vistrel
