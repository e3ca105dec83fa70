#pragma once
// A plain UDP socket on the admin port, standing in for cameras in tests and benchmarks.

#include <arpa/inet.h>
#include <cstdint>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace vistrel::test {

class UdpPeer {
public:
    // Binds 0.0.0.0:port; shareAddress lets the finder bind the same port beside it. The
    // socket closes on exec, so that a finder or camsim started beside it does not hold it.
    explicit UdpPeer(std::uint16_t port, bool shareAddress = true)
        : fd_(socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
        const int on = 1;
        if (shareAddress) {
            setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        }
        setsockopt(fd_, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_ANY);
        bound_ = bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    ~UdpPeer() { close(fd_); }
    UdpPeer(const UdpPeer&) = delete;
    UdpPeer& operator=(const UdpPeer&) = delete;

    bool bound() const { return bound_; }
    int descriptor() const { return fd_; }

    // The next datagram, or nullopt after timeoutMs without one.
    std::optional<std::vector<std::uint8_t>> receive(int timeoutMs) {
        pollfd waiting{fd_, POLLIN, 0};
        if (poll(&waiting, 1, timeoutMs) <= 0) {
            return std::nullopt;
        }
        std::vector<std::uint8_t> datagram(65536);
        const ssize_t size = recv(fd_, datagram.data(), datagram.size(), 0);
        if (size < 0) {
            return std::nullopt;
        }
        datagram.resize(static_cast<std::size_t>(size));
        return datagram;
    }

    bool broadcast(const std::vector<std::uint8_t>& datagram, std::uint16_t port) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_BROADCAST);
        return sendto(fd_, datagram.data(), datagram.size(), 0,
                      reinterpret_cast<const sockaddr*>(&address),
                      sizeof address) == static_cast<ssize_t>(datagram.size());
    }

private:
    int fd_;
    bool bound_ = false;
};

} // namespace vistrel::test
