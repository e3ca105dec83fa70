// How many 640 × 480 pictures per second vistrel-camsim serves to one client that reads as
// fast as it can. camsim runs pinned to one core when taskset is there; the client reads on
// another. Runs inside the private network namespace of scripts/netns.

#include "support/private_network.h"
#include "target_verdict.h"

#include <QFileInfo>
#include <QProcess>
#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sched.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint16_t kPort = 8080;
constexpr auto kWarmUp = std::chrono::milliseconds(500);
constexpr auto kMeasured = std::chrono::seconds(4);
constexpr double kTarget = 200;

// Counts the parts of a multipart picture stream from large reads, so that the client costs
// as little as possible.
class StreamCounter {
public:
    void take(const char* data, std::size_t size) {
        while (size > 0) {
            if (skip_ > 0) {
                const std::size_t n = std::min(skip_, size);
                skip_ -= n, data += n, size -= n;
                continue;
            }
            const char* end = static_cast<const char*>(std::memchr(data, '\n', size));
            const std::size_t n = end ? static_cast<std::size_t>(end - data + 1) : size;
            line_.append(data, n);
            data += n, size -= n;
            if (end) {
                endOfLine();
            }
        }
    }
    long long pictures() const { return pictures_; }
    long long pictureBytes() const { return pictureBytes_; }

private:
    void endOfLine() {
        if (line_.rfind("Content-Length: ", 0) == 0) {
            pending_ = std::stoul(line_.substr(16));
        } else if (line_ == "\r\n" && pending_ > 0) {
            skip_ = pending_;
            pictureBytes_ += static_cast<long long>(pending_);
            pending_ = 0;
            ++pictures_;
        }
        line_.clear();
    }

    std::string line_;
    std::size_t pending_ = 0;
    std::size_t skip_ = 0;
    long long pictures_ = 0;
    long long pictureBytes_ = 0;
};

int connectTo(const char* ip, std::uint16_t port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    inet_pton(AF_INET, ip, &address.sin_addr);
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// Reads the stream until the deadline; false when it stalls or ends.
bool readUntil(int fd, StreamCounter& counter, Clock::time_point deadline) {
    static char buffer[256 * 1024];
    while (Clock::now() < deadline) {
        pollfd waiting{fd, POLLIN, 0};
        if (poll(&waiting, 1, 3000) <= 0) {
            return false;
        }
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) {
            return false;
        }
        counter.take(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

bool startCamsim(QProcess& camsim, bool& pinned) {
    const QStringList arguments{QStringLiteral("--ip"),       QStringLiteral("127.0.0.2"),
                                QStringLiteral("--web-port"), QString::number(kPort),
                                QStringLiteral("--fps"),      QStringLiteral("0"),
                                QStringLiteral("--auth"),     QStringLiteral("none"),
                                QStringLiteral("--size"),     QStringLiteral("640x480")};
    pinned = QFileInfo::exists(QStringLiteral("/usr/bin/taskset"));
    if (pinned) {
        camsim.start(QStringLiteral("/usr/bin/taskset"),
                     QStringList{QStringLiteral("-c"), QStringLiteral("0"),
                                 QStringLiteral(VISTREL_CAMSIM_PATH)} +
                         arguments);
    } else {
        camsim.start(QStringLiteral(VISTREL_CAMSIM_PATH), arguments);
    }
    QByteArray output;
    while (!output.contains("vistrel-camsim: ready") && camsim.waitForReadyRead(10000)) {
        output += camsim.readAllStandardOutput();
    }
    return output.contains("vistrel-camsim: ready");
}

void pinClientAwayFromCamsim() {
    cpu_set_t cpus;
    CPU_ZERO(&cpus);
    CPU_SET(1, &cpus);
    sched_setaffinity(0, sizeof cpus, &cpus); // stays unpinned on a single-core machine
}

} // namespace

int main() {
    if (!vistrel::test::inPrivateNetworkNamespace()) {
        std::fprintf(stderr, "run inside scripts/netns: this program opens sockets\n");
        return 1;
    }
    QProcess camsim;
    bool pinned = false;
    if (!startCamsim(camsim, pinned)) {
        std::fprintf(stderr, "vistrel-camsim did not start\n");
        return 1;
    }
    pinClientAwayFromCamsim();
    const int fd = connectTo("127.0.0.2", kPort);
    const char request[] = "GET /snapshot.cgi HTTP/1.1\r\n\r\n";
    if (fd < 0 || send(fd, request, sizeof request - 1, 0) != sizeof request - 1) {
        std::fprintf(stderr, "cannot reach the camera's web server\n");
        return 1;
    }
    StreamCounter warmUp;
    StreamCounter measured;
    const bool streamed = readUntil(fd, warmUp, Clock::now() + kWarmUp) &&
                          readUntil(fd, measured, Clock::now() + kMeasured);
    close(fd);
    camsim.terminate();
    camsim.waitForFinished(5000);
    if (!streamed || measured.pictures() == 0) {
        std::fprintf(stderr, "the picture stream stalled\n");
        return 1;
    }
    const double seconds = std::chrono::duration<double>(kMeasured).count();
    const double rate = static_cast<double>(measured.pictures()) / seconds;
    std::printf("camsim picture rate: %.0f pictures of 640 x 480 per second to one client "
                "(%s; %.1f KiB per picture; target %.0f: %s)\n",
                rate, pinned ? "camsim on one core" : "camsim not pinned",
                static_cast<double>(measured.pictureBytes()) / measured.pictures() / 1024, kTarget,
                vistrel::bench::verdict(rate >= kTarget));
    return 0;
}
