// The computer of scripts/lans, tried from inside: its LANs' cameras answer a broadcast only on
// the LAN it went out to, the printer answers ping, the cameras' web servers answer where their
// addresses are local, and every namespace passes the private network check. Run through
// scripts/lans; skipped elsewhere.

#include "netns/private_network.h"
#include "probe/echo_client.h"
#include "protocol/admin_datagram.h"

#include <arpa/inet.h>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <memory>
#include <net/if.h>
#include <netinet/in.h>
#include <poll.h>
#include <set>
#include <sstream>
#include <sys/socket.h>
#include <unistd.h>

namespace vistrel {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

std::string environment(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value != nullptr ? value : "";
}

std::string lanVariable(char lan, const char* what) {
    return environment(std::string("VISTREL_LAN_") + lan + "_" + what);
}

std::set<std::string> macsOfLan(char lan) {
    std::istringstream words(lanVariable(lan, "MACS"));
    return {std::istream_iterator<std::string>(words), {}};
}

std::uint32_t addressOf(const std::string& dotted) {
    in_addr address{};
    inet_pton(AF_INET, dotted.c_str(), &address);
    return address.s_addr;
}

// The finder's side of discovery, as small as a test can make it: one socket on the admin port
// that sends the discovery request out of a chosen interface (or by the default route) and
// notes the interface each reply arrives on.
class DiscoveryProbe {
public:
    DiscoveryProbe() : fd_(socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
        const int on = 1;
        setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        setsockopt(fd_, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
        setsockopt(fd_, IPPROTO_IP, IP_PKTINFO, &on, sizeof on);
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_port = htons(kAdminPort);
        bound_ = bind(fd_, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0;
    }
    ~DiscoveryProbe() { close(fd_); }

    bool bound() const { return bound_; }

    // Interface index 0: by the default route.
    bool sendDiscovery(unsigned interfaceIndex) {
        std::vector<std::uint8_t> request = makeRequest(kBroadcastMac, AdminCommand::Discovery);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(kAdminPort);
        to.sin_addr.s_addr = INADDR_BROADCAST;
        iovec data{request.data(), request.size()};
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
        msghdr message{};
        message.msg_name = &to;
        message.msg_namelen = sizeof to;
        message.msg_iov = &data;
        message.msg_iovlen = 1;
        if (interfaceIndex != 0) {
            message.msg_control = control;
            message.msg_controllen = sizeof control;
            cmsghdr* header = CMSG_FIRSTHDR(&message);
            header->cmsg_level = IPPROTO_IP;
            header->cmsg_type = IP_PKTINFO;
            header->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
            in_pktinfo info{};
            info.ipi_ifindex = static_cast<int>(interfaceIndex);
            std::memcpy(CMSG_DATA(header), &info, sizeof info);
        }
        return sendmsg(fd_, &message, 0) == static_cast<ssize_t>(request.size());
    }

    // Discovery replies for a while: MAC text to the name of the interface it arrived on.
    std::map<std::string, std::string> replies(std::chrono::milliseconds duration) {
        std::map<std::string, std::string> arrivals;
        const Clock::time_point end = Clock::now() + duration;
        while (Clock::now() < end) {
            pollfd wait{fd_, POLLIN, 0};
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
            if (poll(&wait, 1, static_cast<int>(left.count()) + 1) <= 0) {
                continue;
            }
            std::uint8_t buffer[2048];
            iovec data{buffer, sizeof buffer};
            alignas(cmsghdr) char control[256];
            msghdr message{};
            message.msg_iov = &data;
            message.msg_iovlen = 1;
            message.msg_control = control;
            message.msg_controllen = sizeof control;
            const ssize_t got = recvmsg(fd_, &message, 0);
            if (got <= 0) {
                continue;
            }
            const Bytes datagram(buffer, static_cast<std::size_t>(got));
            if (replyCodeOf(datagram) != ReplyCode::Discovery) {
                continue; // our own request looped back
            }
            arrivals[formatMacText(macOf(datagram))] = arrivalInterface(message);
        }
        return arrivals;
    }

private:
    static std::string arrivalInterface(msghdr& message) {
        for (cmsghdr* header = CMSG_FIRSTHDR(&message); header != nullptr;
             header = CMSG_NXTHDR(&message, header)) {
            if (header->cmsg_level == IPPROTO_IP && header->cmsg_type == IP_PKTINFO) {
                in_pktinfo info{};
                std::memcpy(&info, CMSG_DATA(header), sizeof info);
                char name[IF_NAMESIZE] = {};
                return if_indextoname(static_cast<unsigned>(info.ipi_ifindex), name) ? name : "?";
            }
        }
        return "?";
    }

    int fd_;
    bool bound_ = false;
};

std::map<std::string, std::string> allArrivingOn(const std::set<std::string>& macs,
                                                 const std::string& interface) {
    std::map<std::string, std::string> arrivals;
    for (const std::string& mac : macs) {
        arrivals[mac] = interface;
    }
    return arrivals;
}

class Topology : public ::testing::Test {
protected:
    void SetUp() override {
        if (environment("VISTREL_LANS").empty()) {
            GTEST_SKIP() << "runs inside scripts/lans";
        }
    }
};

TEST_F(Topology, EveryNamespacePassesThePrivateNetworkCheck) {
    EXPECT_TRUE(inPrivateNetworkNamespace());
    EXPECT_NE(if_nametoindex(environment("VISTREL_CONTAINER_BRIDGE").c_str()), 0u);
    for (const char lan : {'A', 'B'}) {
        std::ifstream devices("/proc/" + lanVariable(lan, "PID") + "/net/dev");
        const std::string text{std::istreambuf_iterator<char>(devices), {}};
        EXPECT_NE(text.find("vst-lan-"), std::string::npos) << lan;
        EXPECT_TRUE(onlyPrivateNetworkDevices(text)) << lan;
    }
}

TEST_F(Topology, ABroadcastByTheDefaultRouteReachesLanAOnly) {
    DiscoveryProbe probe;
    ASSERT_TRUE(probe.bound());
    ASSERT_TRUE(probe.sendDiscovery(0));
    EXPECT_EQ(probe.replies(1500ms), allArrivingOn(macsOfLan('A'), lanVariable('A', "INTERFACE")));
}

TEST_F(Topology, ABroadcastOutOfLanBsInterfaceReachesLanBOnly) {
    const std::string interface = lanVariable('B', "INTERFACE");
    DiscoveryProbe probe;
    ASSERT_TRUE(probe.bound());
    ASSERT_TRUE(probe.sendDiscovery(if_nametoindex(interface.c_str())));
    const std::set<std::string> macs = macsOfLan('B');
    EXPECT_GE(macs.size(), 2u);
    EXPECT_EQ(probe.replies(1500ms), allArrivingOn(macs, interface));
}

TEST_F(Topology, ThePrinterAnswersPingAndAFreeAddressDoesNot) {
    const std::unique_ptr<EchoClient> printer =
        openEchoClient({addressOf(environment("VISTREL_PRINTER_ADDRESS")), 80}, 1000ms);
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(printer->echo(), EchoOutcome::Answered);
    const std::unique_ptr<EchoClient> nobody =
        openEchoClient(printer->method(), {addressOf("192.168.50.99"), 80}, 300ms);
    ASSERT_NE(nobody, nullptr);
    EXPECT_NE(nobody->echo(), EchoOutcome::Answered);
}

// Each LAN's first camera has a web server on its address there (port 80 in the demo's LANs).
TEST_F(Topology, CamerasServeTheirPagesOnTheirLans) {
    for (const char* address : {"192.168.50.21", "10.77.0.21"}) {
        const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in camera{};
        camera.sin_family = AF_INET;
        camera.sin_port = htons(80);
        camera.sin_addr.s_addr = addressOf(address);
        EXPECT_EQ(connect(fd, reinterpret_cast<const sockaddr*>(&camera), sizeof camera), 0)
            << address;
        close(fd);
    }
}

} // namespace
} // namespace vistrel
