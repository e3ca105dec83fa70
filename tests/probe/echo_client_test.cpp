// The echo clients over real sockets: loopback cameras answer at once, the black hole of the
// private namespace never does. Runs inside scripts/netns.

#include "probe/echo_client.h"
#include "probe/reachability_probe.h"
#include "support/private_network.h"

#include <arpa/inet.h>
#include <fstream>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

namespace vistrel {
namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

constexpr milliseconds kShortTimeout{300};
constexpr char kPingGroups[] = "/proc/sys/net/ipv4/ping_group_range";

std::uint32_t addressOf(const char* dotted) {
    return *lookUpIpv4(dotted);
}

// The private namespace starts with unprivileged ICMP sockets off; this opens them to every
// group there for one test and restores the namespace's setting afterwards.
class PingGroupsOpened {
public:
    PingGroupsOpened() {
        std::ifstream(kPingGroups) >> low_ >> high_;
        std::ofstream(kPingGroups) << "0 2147483647\n";
    }
    ~PingGroupsOpened() { std::ofstream(kPingGroups) << low_ << ' ' << high_ << '\n'; }

private:
    long low_ = 1;
    long high_ = 0;
};

// A TCP listener on 127.0.0.2 and a port that nothing listens on.
class WebPorts {
public:
    WebPorts() : listener_(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = addressOf("127.0.0.2");
        bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        listen(listener_, 4);
        socklen_t size = sizeof address;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
        listening = ntohs(address.sin_port);
        closed = static_cast<std::uint16_t>(listening == 65535 ? 65534 : listening + 1);
    }
    ~WebPorts() { close(listener_); }
    std::uint16_t listening = 0;
    std::uint16_t closed = 0;

private:
    int listener_;
};

struct Timed {
    EchoOutcome outcome;
    milliseconds took;
};

Timed timedEcho(EchoClient& client) {
    const auto start = Clock::now();
    const EchoOutcome outcome = client.echo();
    return {outcome, std::chrono::duration_cast<milliseconds>(Clock::now() - start)};
}

void expectAnswersAndSilence(EchoMethod method, std::uint16_t webPort) {
    const auto near = openEchoClient(method, {addressOf("127.0.0.2"), webPort}, kShortTimeout);
    ASSERT_TRUE(near);
    EXPECT_EQ(near->method(), method);
    for (int i = 0; i < 2; ++i) { // the second echo must not take the first one's reply
        const Timed answered = timedEcho(*near);
        EXPECT_EQ(answered.outcome, EchoOutcome::Answered);
        EXPECT_LT(answered.took, milliseconds(100));
    }
    const auto hole = openEchoClient(method, {addressOf("192.0.2.10"), webPort}, kShortTimeout);
    ASSERT_TRUE(hole);
    const Timed silent = timedEcho(*hole);
    EXPECT_EQ(silent.outcome, EchoOutcome::TimedOut);
    EXPECT_GE(silent.took, kShortTimeout);
    EXPECT_LT(silent.took, kShortTimeout + milliseconds(500));
}

TEST(EchoClient, UnprivilegedIcmpAnswersAndTimesOut) {
    VISTREL_REQUIRE_PRIVATE_NETWORK();
    PingGroupsOpened opened;
    if (!openEchoClient(EchoMethod::IcmpDatagram, {}, kShortTimeout)) {
        GTEST_SKIP() << "this system allows no ICMP datagram socket";
    }
    expectAnswersAndSilence(EchoMethod::IcmpDatagram, 80);
}

TEST(EchoClient, RawIcmpAnswersAndTimesOut) {
    VISTREL_REQUIRE_PRIVATE_NETWORK();
    if (!openEchoClient(EchoMethod::IcmpRaw, {}, kShortTimeout)) {
        GTEST_SKIP() << "this process may not open a raw socket";
    }
    expectAnswersAndSilence(EchoMethod::IcmpRaw, 80);
}

TEST(EchoClient, TcpConnectCountsAcceptedAndRefusedAsAnswers) {
    VISTREL_REQUIRE_PRIVATE_NETWORK();
    WebPorts ports;
    expectAnswersAndSilence(EchoMethod::TcpConnect, ports.listening);
    const auto refused = openEchoClient(EchoMethod::TcpConnect,
                                        {addressOf("127.0.0.2"), ports.closed}, kShortTimeout);
    EXPECT_EQ(refused->echo(), EchoOutcome::Answered);
}

TEST(ReachabilityProbe, LoopbackCameraIsReachableAndTheBlackHoleIsNot) {
    VISTREL_REQUIRE_PRIVATE_NETWORK();
    EXPECT_TRUE(Probe_Camera("127.0.0.2", 80));
    const auto start = Clock::now();
    EXPECT_FALSE(Probe_Camera("192.0.2.10", 80));
    EXPECT_GE(Clock::now() - start, 2 * kEchoTimeout);
    EXPECT_FALSE(Probe_Camera("", 80));
    EXPECT_FALSE(Probe_Camera("no-such-camera.invalid", 80));
}

} // namespace
} // namespace vistrel
