#include "picture_replay_server.h"

#include "support/jpeg_fixtures.h"

#include <arpa/inet.h>
#include <csignal>
#include <cstdio>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace vistrel::bench {

namespace {

constexpr int kPictures = 16;
constexpr int kQuality = 80;
constexpr char kBoundary[] = "replayboundary";

std::vector<std::string> encodeParts(int width, int height) {
    std::vector<std::string> parts;
    for (const std::vector<std::uint8_t>& jpeg : replayPictures(width, height)) {
        std::string part =
            std::string("--") + kBoundary +
            "\r\nContent-Type: image/jpeg\r\nContent-Length: " + std::to_string(jpeg.size()) +
            "\r\n\r\n";
        part.append(jpeg.begin(), jpeg.end());
        part += "\r\n";
        parts.push_back(std::move(part));
    }
    return parts;
}

bool sendAll(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads the request up to its empty line; false when it does not come within 5 s.
bool readRequest(int fd) {
    std::string request;
    char buffer[1024];
    while (request.find("\r\n\r\n") == std::string::npos && request.size() < 16384) {
        pollfd waiting{fd, POLLIN, 0};
        if (poll(&waiting, 1, 5000) <= 0) {
            return false;
        }
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) {
            return false;
        }
        request.append(buffer, static_cast<std::size_t>(n));
    }
    return request.find("\r\n\r\n") != std::string::npos;
}

void serveClient(int fd, const std::vector<std::string>& parts) {
    const std::string header = std::string("HTTP/1.1 200 OK\r\nContent-Type: "
                                           "multipart/x-mixed-replace; boundary=") +
                               kBoundary + "\r\nCache-Control: no-cache\r\n\r\n";
    if (readRequest(fd) && sendAll(fd, header)) {
        for (std::size_t i = 0; sendAll(fd, parts[i]); i = (i + 1) % parts.size()) {
        }
    }
    close(fd);
}

int listenOn(std::uint16_t port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    inet_pton(AF_INET, kReplayAddress, &address.sin_addr);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, 8) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

} // namespace

std::vector<std::vector<std::uint8_t>> replayPictures(int width, int height) {
    std::vector<std::vector<std::uint8_t>> pictures;
    for (int i = 0; i < kPictures; ++i) {
        pictures.push_back(
            test::encodeJpeg(test::noisyScene(width, height, unsigned(i)), kQuality));
    }
    return pictures;
}

int runReplayServer(int width, int height, std::uint16_t port) {
    const std::vector<std::string> parts = encodeParts(width, height);
    const int listener = listenOn(port);
    if (listener < 0) {
        std::perror("replay server");
        return 1;
    }
    std::size_t bytes = 0;
    for (const std::string& part : parts) {
        bytes += part.size();
    }
    std::printf("ready %zu\n", bytes / parts.size());
    std::fflush(stdout);
    for (;;) {
        const int client = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client >= 0) {
            std::thread(serveClient, client, std::cref(parts)).detach();
        }
    }
}

} // namespace vistrel::bench
