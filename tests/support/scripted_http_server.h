#pragma once
// A small HTTP server for tests: a thread on a loopback address that answers each connection
// with a script of its own and records every request it reads. Scripts send whatever bytes a
// test needs, well-formed or hostile, as fast as the socket takes them, and can stay silent
// until the client goes away or the server is destroyed.
//
//   ScriptedHttpServer server({
//       [](ScriptedPeer& peer) { peer.readRequest(); peer.send(kUnauthorized); },
//       [](ScriptedPeer& peer) { peer.readRequest(); peer.send(kStreamHeader); peer.waitForClose();
//       },
//   });
//   ... connect to 127.0.0.1:server.port() ...
//   EXPECT_THAT(server.requests()[1], HasSubstr("Authorization: Basic"));
//
// Connections are served one after another: connection i runs scripts[i], and connections
// beyond the last script run the last one again. Sockets close on exec. Run tests that use it
// inside the private network namespace (scripts/netns), as every test that opens a socket.

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace vistrel::test {

// The server's side of one connection, handed to a script.
class ScriptedPeer {
public:
    ScriptedPeer(int descriptor, int wake, std::function<void(std::string)> record)
        : descriptor_(descriptor), wake_(wake), record_(std::move(record)) {}

    // Reads the next request: its header up to the empty line and the body that its
    // Content-Length announces. nullopt when the client closed first, the server stops, or
    // nothing came within the limit.
    std::optional<std::string> readRequest(std::chrono::milliseconds limit = kLimit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        std::size_t end;
        while ((end = pending_.find("\r\n\r\n")) == std::string::npos) {
            if (pending_.size() > kLongestHeader || !receiveMore(deadline)) {
                return std::nullopt;
            }
        }
        const std::size_t total = end + 4 + bodyLengthOf(pending_.substr(0, end + 2));
        while (pending_.size() < total) {
            if (!receiveMore(deadline)) {
                return std::nullopt;
            }
        }
        std::string request = pending_.substr(0, total);
        pending_.erase(0, total);
        record_(request);
        return request;
    }

    // Sends every byte; false when the client has gone or the server stops.
    bool send(std::string_view bytes) {
        while (!bytes.empty()) {
            if (!waitFor(POLLOUT, std::chrono::steady_clock::now() + kLimit)) {
                return false;
            }
            const ssize_t sent =
                ::send(descriptor_, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
            if (sent < 0 && errno != EAGAIN && errno != EINTR) {
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(std::max<ssize_t>(sent, 0)));
        }
        return true;
    }

    // Stays silent until the client closes, the server stops, or the limit passes; whatever
    // the client sends meanwhile is read and dropped.
    void waitForClose(std::chrono::milliseconds limit = kLimit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (receiveMore(deadline)) {
            pending_.clear();
        }
    }

    // How long a script waits for a client at most.
    static constexpr std::chrono::milliseconds kLimit{10000};

private:
    static constexpr std::size_t kLongestHeader = 64 * 1024;

    static std::size_t bodyLengthOf(const std::string& header) {
        std::string lower(header);
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        const std::size_t at = lower.find("\r\ncontent-length:");
        if (at == std::string::npos) {
            return 0;
        }
        return std::min<std::size_t>(std::strtoul(header.c_str() + at + 17, nullptr, 10),
                                     kLongestHeader);
    }

    bool waitFor(short events, std::chrono::steady_clock::time_point deadline) {
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) {
                return false;
            }
            pollfd waiting[2] = {{descriptor_, events, 0}, {wake_, POLLIN, 0}};
            const int ready = poll(waiting, 2, static_cast<int>(left.count()));
            if (ready > 0) {
                return waiting[1].revents == 0;
            }
            if (ready < 0 && errno != EINTR) {
                return false;
            }
        }
    }

    bool receiveMore(std::chrono::steady_clock::time_point deadline) {
        char chunk[4096];
        while (waitFor(POLLIN, deadline)) {
            const ssize_t count = recv(descriptor_, chunk, sizeof chunk, MSG_DONTWAIT);
            if (count > 0) {
                pending_.append(chunk, static_cast<std::size_t>(count));
                return true;
            }
            if (count == 0 || (errno != EAGAIN && errno != EINTR)) {
                return false;
            }
        }
        return false;
    }

    int descriptor_;
    int wake_;
    std::function<void(std::string)> record_;
    std::string pending_;
};

class ScriptedHttpServer {
public:
    using Script = std::function<void(ScriptedPeer&)>;

    explicit ScriptedHttpServer(std::vector<Script> scripts, const char* address = "127.0.0.1")
        : scripts_(std::move(scripts)) {
        listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const int on = 1;
        setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in bound{};
        bound.sin_family = AF_INET;
        inet_pton(AF_INET, address, &bound.sin_addr);
        socklen_t size = sizeof bound;
        listening_ = !scripts_.empty() && pipe2(wake_, O_CLOEXEC) == 0 &&
                     bind(listener_, reinterpret_cast<sockaddr*>(&bound), size) == 0 &&
                     listen(listener_, 8) == 0 &&
                     getsockname(listener_, reinterpret_cast<sockaddr*>(&bound), &size) == 0;
        port_ = ntohs(bound.sin_port);
        if (listening_) {
            thread_ = std::thread([this] { serve(); });
        }
    }

    ~ScriptedHttpServer() {
        if (thread_.joinable()) {
            const char stop = 1;
            [[maybe_unused]] const ssize_t written = write(wake_[1], &stop, 1);
            thread_.join();
        }
        close(listener_);
        for (const int end : wake_) {
            if (end >= 0) {
                close(end);
            }
        }
    }
    ScriptedHttpServer(const ScriptedHttpServer&) = delete;
    ScriptedHttpServer& operator=(const ScriptedHttpServer&) = delete;

    bool listening() const { return listening_; }
    std::uint16_t port() const { return port_; }
    int connections() const { return connections_.load(); }

    // Every request the scripts read, in order.
    std::vector<std::string> requests() const {
        std::lock_guard lock(mutex_);
        return requests_;
    }

private:
    void serve() {
        for (;;) {
            pollfd waiting[2] = {{listener_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
            if (poll(waiting, 2, -1) < 0 && errno != EINTR) {
                return;
            }
            if (waiting[1].revents != 0) {
                return;
            }
            const int client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0) {
                continue;
            }
            const std::size_t index = static_cast<std::size_t>(connections_++);
            ScriptedPeer peer(client, wake_[0], [this](std::string request) {
                std::lock_guard lock(mutex_);
                requests_.push_back(std::move(request));
            });
            scripts_[std::min(index, scripts_.size() - 1)](peer);
            close(client);
        }
    }

    std::vector<Script> scripts_;
    int listener_ = -1;
    int wake_[2] = {-1, -1};
    bool listening_ = false;
    std::uint16_t port_ = 0;
    std::atomic<int> connections_{0};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

} // namespace vistrel::test
