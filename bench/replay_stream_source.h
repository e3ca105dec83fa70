#pragma once
// A plain reader of the replay server's multipart stream, standing in for the camera's picture
// stream client: large receives into a buffer, parts found by their Content-Length line.
// Trusts the server; only for the benchmark.

#include "camhttp/picture_source.h"

#include <arpa/inet.h>
#include <atomic>
#include <cstring>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace vistrel::bench {

class ReplayStreamSource final : public PictureSource {
public:
    ~ReplayStreamSource() override {
        if (fd_ >= 0) {
            close(fd_);
        }
    }

    StreamOpening open(const StreamTarget& target) override {
        fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(target.port);
        inet_pton(AF_INET, target.host.c_str(), &address.sin_addr);
        if (connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            return StreamOpening::ConnectFailed;
        }
        const std::string request =
            "GET /snapshot.cgi HTTP/1.1\r\nHost: " + target.host + "\r\n\r\n";
        send(fd_, request.data(), request.size(), MSG_NOSIGNAL);
        const std::string header = readUntil("\r\n\r\n");
        return header.find(" 200 ") != std::string::npos ? StreamOpening::Opened
                                                         : StreamOpening::OtherStatus;
    }

    FrameStatus readFrame(std::vector<std::uint8_t>& picture) override {
        const std::string header = readUntil("\r\n\r\n");
        const std::size_t length = header.find("Content-Length: ");
        if (length == std::string::npos) {
            return interrupted_ ? FrameStatus::Interrupted : FrameStatus::Closed;
        }
        const std::size_t size = std::stoul(header.substr(length + 16));
        while (buffered_.size() < size && fill()) {
        }
        if (buffered_.size() < size) {
            return interrupted_ ? FrameStatus::Interrupted : FrameStatus::Closed;
        }
        picture.assign(buffered_.begin(), buffered_.begin() + std::ptrdiff_t(size));
        buffered_.erase(0, size);
        return FrameStatus::Picture;
    }

    void interrupt() override {
        interrupted_ = true;
        shutdown(fd_, SHUT_RDWR);
    }

private:
    bool fill() {
        char chunk[256 * 1024];
        const ssize_t n = recv(fd_, chunk, sizeof chunk, 0);
        if (n <= 0) {
            return false;
        }
        buffered_.append(chunk, std::size_t(n));
        return true;
    }

    // The bytes up to and with the marker, taken from the buffer; empty when the stream ends.
    std::string readUntil(const char* marker) {
        std::size_t end;
        while ((end = buffered_.find(marker)) == std::string::npos) {
            if (!fill()) {
                return {};
            }
        }
        end += std::strlen(marker);
        std::string text = buffered_.substr(0, end);
        buffered_.erase(0, end);
        return text;
    }

    std::atomic<int> fd_{-1};
    std::atomic<bool> interrupted_{false};
    std::string buffered_;
};

} // namespace vistrel::bench
