#include "probe/socket_wait.h"

#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace vistrel {

SocketHandle::~SocketHandle() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool waitForSocket(int fd, short events, Deadline deadline) {
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd waiting{fd, events, 0};
        const int ready = ::poll(&waiting, 1, static_cast<int>(left.count()));
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            return false;
        }
    }
}

} // namespace vistrel
