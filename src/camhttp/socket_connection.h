#pragma once

#include "camhttp/byte_source.h"
#include "camhttp/interruption.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string_view>

namespace vistrel {

enum class ConnectStatus { Connected, LookupFailed, Failed, TimedOut, Interrupted };
enum class SendStatus { Sent, Failed, TimedOut, Interrupted };

// One TCP connection to a camera's web server. Every wait, the connect too, polls the socket
// with a deadline together with an optional Interruption, so that no call blocks longer than
// its time-out and another thread can end any of them at once.
class SocketConnection final : public ByteSource {
public:
    struct Opened {
        ConnectStatus status = ConnectStatus::Failed;
        std::unique_ptr<SocketConnection> connection; // with Connected
    };

    // Looks the host up (a dotted IPv4 address stands for itself) and connects to its first
    // IPv4 address within the time-out. The interruption, when given, must outlive the
    // connection.
    static Opened open(std::string_view host, std::uint16_t port, std::chrono::milliseconds timeout,
                       const Interruption* interruption);

    ~SocketConnection() override;
    SocketConnection(const SocketConnection&) = delete;
    SocketConnection& operator=(const SocketConnection&) = delete;

    SendStatus sendAll(std::string_view bytes, Deadline deadline);
    Received receive(MutableBytes into, Deadline deadline) override;

private:
    enum class Wait { Ready, TimedOut, Interrupted };

    SocketConnection(int descriptor, const Interruption* interruption);
    Wait waitFor(short events, Deadline deadline) const;

    int descriptor_;
    const Interruption* interruption_;
};

} // namespace vistrel
