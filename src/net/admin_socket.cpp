#include "net/admin_socket.h"

#include "protocol/admin_datagram.h"

#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vistrel::net {

namespace {

bool switchOn(int descriptor, int level, int option) {
    const int on = 1;
    return setsockopt(descriptor, level, option, &on, sizeof on) == 0;
}

std::uint32_t networkOrder(const Ipv4Address& address) {
    std::uint32_t value = 0;
    std::memcpy(&value, address.data(), sizeof value); // the octets are in network order already
    return value;
}

} // namespace

AdminSocket::~AdminSocket() {
    if (descriptor_ >= 0) {
        close(descriptor_);
    }
}

bool AdminSocket::open() {
    if (isOpen()) {
        return true;
    }
    const int descriptor = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (descriptor < 0) {
        errorText_ = std::strerror(errno);
        return false;
    }
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(kAdminPort);
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (!switchOn(descriptor, SOL_SOCKET, SO_REUSEADDR) ||
        !switchOn(descriptor, SOL_SOCKET, SO_BROADCAST) ||
        !switchOn(descriptor, IPPROTO_IP, IP_PKTINFO) ||
        bind(descriptor, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        errorText_ = std::strerror(errno);
        close(descriptor);
        return false;
    }
    descriptor_ = descriptor;
    raiseReceiveBuffer();
    return true;
}

int AdminSocket::receiveBufferBytes() const {
    int size = 0;
    socklen_t length = sizeof size;
    if (!isOpen() || getsockopt(descriptor_, SOL_SOCKET, SO_RCVBUF, &size, &length) != 0) {
        return 0;
    }
    return size;
}

void AdminSocket::raiseReceiveBuffer() {
    // A privileged process may go beyond the system's maximum; anyone else gets up to it.
    const int wanted = kWantedReceiveBufferBytes;
    if (setsockopt(descriptor_, SOL_SOCKET, SO_RCVBUFFORCE, &wanted, sizeof wanted) != 0) {
        setsockopt(descriptor_, SOL_SOCKET, SO_RCVBUF, &wanted, sizeof wanted);
    }
}

bool AdminSocket::broadcast(Bytes datagram, const SendPath& path) {
    if (!isOpen()) {
        return false;
    }
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(kAdminPort);
    to.sin_addr.s_addr = htonl(INADDR_BROADCAST);
    iovec data{const_cast<std::uint8_t*>(datagram.data()), datagram.size()};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
    msghdr message{};
    message.msg_name = &to;
    message.msg_namelen = sizeof to;
    message.msg_iov = &data;
    message.msg_iovlen = 1;
    if (path.interfaceIndex != 0) {
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        cmsghdr* header = CMSG_FIRSTHDR(&message);
        header->cmsg_level = IPPROTO_IP;
        header->cmsg_type = IP_PKTINFO;
        header->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
        in_pktinfo way{};
        way.ipi_ifindex = path.interfaceIndex;
        way.ipi_spec_dst.s_addr = networkOrder(path.source);
        std::memcpy(CMSG_DATA(header), &way, sizeof way);
    }
    return sendmsg(descriptor_, &message, MSG_NOSIGNAL | MSG_DONTWAIT) ==
           static_cast<ssize_t>(datagram.size());
}

} // namespace vistrel::net
