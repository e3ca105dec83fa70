#include "discovery_arrival.h"

#include "protocol/admin_datagram.h"
#include "protocol/request_templates.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cstdint>
#include <ctime>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vistrel::bench {

namespace {

double milliseconds(const timespec& t) {
    return double(t.tv_sec) * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

double realtimeMs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return milliseconds(now);
}

DiscoveryArrival::DiscoveryArrival() {
    fd_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(kAdminPort);
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    // Address sharing as the finder binds, so that both sockets get every broadcast.
    if (fd_ < 0 || setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
        setsockopt(fd_, SOL_SOCKET, SO_TIMESTAMPNS, &on, sizeof on) != 0 ||
        bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (fd_ >= 0) {
            close(fd_);
        }
        fd_ = -1;
    }
}

DiscoveryArrival::~DiscoveryArrival() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

void DiscoveryArrival::drain() {
    std::uint8_t buffer[2048];
    while (recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT) >= 0) {
    }
}

std::optional<double> DiscoveryArrival::next(int limitMs) {
    const RequestTemplates templates;
    const double deadline = realtimeMs() + limitMs;
    for (double left = limitMs; left > 0; left = deadline - realtimeMs()) {
        pollfd waiting{fd_, POLLIN, 0};
        if (poll(&waiting, 1, static_cast<int>(left) + 1) <= 0) {
            return std::nullopt;
        }
        std::uint8_t buffer[2048];
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(timespec))];
        iovec part{buffer, sizeof buffer};
        msghdr message{};
        message.msg_iov = &part;
        message.msg_iovlen = 1;
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        const ssize_t size = recvmsg(fd_, &message, 0);
        const bool discovery = size == static_cast<ssize_t>(templates.DiscoveryRequest.size()) &&
                               std::equal(templates.DiscoveryRequest.begin(),
                                          templates.DiscoveryRequest.end(), buffer);
        for (cmsghdr* c = CMSG_FIRSTHDR(&message); discovery && c; c = CMSG_NXTHDR(&message, c)) {
            if (c->cmsg_level == SOL_SOCKET && c->cmsg_type == SCM_TIMESTAMPNS) {
                timespec stamp{};
                std::copy_n(CMSG_DATA(c), sizeof stamp, reinterpret_cast<unsigned char*>(&stamp));
                return milliseconds(stamp);
            }
        }
    }
    return std::nullopt;
}

} // namespace vistrel::bench
