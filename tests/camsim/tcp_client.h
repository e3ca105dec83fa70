#pragma once
// A plain blocking TCP client with time-outs, reading the way the finder's snapshot client
// does: header bytes one at a time, pictures in one go.

#include <arpa/inet.h>
#include <cstdint>
#include <netinet/in.h>
#include <optional>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace vistrel::camsim::test {

class TcpClient {
public:
    static constexpr int kTimeoutMs = 5000;

    // receiveBuffer > 0 keeps the socket's receive buffer that small, as for a client on a slow
    // link.
    TcpClient(const char* ip, std::uint16_t port, int receiveBuffer = 0)
        : fd_(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        if (receiveBuffer > 0) {
            setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
        }
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        inet_pton(AF_INET, ip, &address.sin_addr);
        connected_ = connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    ~TcpClient() { close(fd_); }
    TcpClient(const TcpClient&) = delete;
    TcpClient& operator=(const TcpClient&) = delete;

    bool connected() const { return connected_; }

    bool send(std::string_view text) {
        return ::send(fd_, text.data(), text.size(), MSG_NOSIGNAL) ==
               static_cast<ssize_t>(text.size());
    }

    // Up to and including the empty line; nullopt when the peer closes or goes quiet first.
    std::optional<std::string> readHeader() {
        std::string header;
        while (header.find("\r\n\r\n") == std::string::npos) {
            const auto byte = readBytes(1);
            if (!byte) {
                return std::nullopt;
            }
            header += static_cast<char>((*byte)[0]);
        }
        return header;
    }

    std::optional<std::string> readLine() {
        std::string line;
        while (line.empty() || line.back() != '\n') {
            const auto byte = readBytes(1);
            if (!byte) {
                return std::nullopt;
            }
            line += static_cast<char>((*byte)[0]);
        }
        return line;
    }

    // Everything until the peer closes the connection.
    std::string readToEnd() {
        std::string text;
        while (const auto byte = readBytes(1)) {
            text += static_cast<char>((*byte)[0]);
        }
        return text;
    }

    std::optional<std::vector<std::uint8_t>> readBytes(std::size_t count) {
        std::vector<std::uint8_t> bytes(count);
        for (std::size_t got = 0; got < count;) {
            pollfd waiting{fd_, POLLIN, 0};
            if (poll(&waiting, 1, kTimeoutMs) <= 0) {
                return std::nullopt;
            }
            const ssize_t n = recv(fd_, bytes.data() + got, count - got, 0);
            if (n <= 0) {
                return std::nullopt;
            }
            got += static_cast<std::size_t>(n);
        }
        return bytes;
    }

private:
    int fd_;
    bool connected_ = false;
};

} // namespace vistrel::camsim::test
