#pragma once
// One echo at a time to a camera, by the best means the system allows: an unprivileged ICMP
// datagram socket, else a raw ICMP socket, else a TCP connect to the camera's web port, where
// an accepted and a refused connection both count as the camera's answer.

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace vistrel {

enum class EchoMethod { IcmpDatagram, IcmpRaw, TcpConnect };

enum class EchoOutcome {
    Answered, // the reply came (for TCP: the connection was accepted or refused)
    TimedOut, // nothing came within the time-out
    Failed,   // the request could not be sent (no route, a socket error)
};

// The camera to echo: its IPv4 address in network byte order and its web port.
struct EchoTarget {
    std::uint32_t address = 0;
    std::uint16_t webPort = 80;
};

class EchoClient {
public:
    virtual ~EchoClient() = default;
    virtual EchoMethod method() const = 0;
    // Sends one request and waits for its answer, at most the client's time-out.
    virtual EchoOutcome echo() = 0;
};

// The client of one method; nullptr when the system does not allow it to this process.
std::unique_ptr<EchoClient> openEchoClient(EchoMethod method, const EchoTarget& target,
                                           std::chrono::milliseconds timeout);

// The client of the first method the system allows, in the order above; nullptr when none.
std::unique_ptr<EchoClient> openEchoClient(const EchoTarget& target,
                                           std::chrono::milliseconds timeout);

// The first IPv4 address of a host text (a dotted address is its own); nullopt when the
// lookup fails.
std::optional<std::uint32_t> lookUpIpv4(const std::string& host);

} // namespace vistrel
