// The thin readers on this machine: a tool run with its output, exit status and time-out, and
// the program that holds a UDP port. Inside the private network namespace.

#include "net/command_output.h"
#include "net/udp_port_users.h"
#include "support/private_network.h"

#include <arpa/inet.h>
#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace vistrel::net {
namespace {

using namespace std::chrono_literals;

TEST(CommandOutput, CollectsOutputErrorsAndStatus) {
    const CommandOutput result =
        runCommand({"sh", "-c", "echo out; echo err >&2; echo $LC_ALL; exit 3"}, 5s);
    EXPECT_EQ(result.status, CommandOutput::Status::Exited);
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.output, "out\nC\n");
    EXPECT_EQ(result.errors, "err\n");
    EXPECT_FALSE(result.succeeded());
}

TEST(CommandOutput, NeverWaitsLongerThanItsTimeOutOrForInput) {
    const auto start = std::chrono::steady_clock::now();
    const CommandOutput slow = runCommand({"sleep", "30"}, 200ms);
    EXPECT_EQ(slow.status, CommandOutput::Status::TimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
    const CommandOutput reader = runCommand({"cat"}, 5s); // its input is empty
    EXPECT_TRUE(reader.succeeded());
    EXPECT_EQ(reader.output, "");
}

TEST(CommandOutput, AMissingToolIsNotFound) {
    EXPECT_EQ(runCommand({"vistrel-no-such-tool"}, 1s).status, CommandOutput::Status::NotFound);
    EXPECT_EQ(runCommand({}, 1s).status, CommandOutput::Status::NotFound);
    EXPECT_FALSE(findProgram("sh").empty());
}

TEST(UdpPortUsers, NameTheProgramThatHoldsAPort) {
    VISTREL_REQUIRE_PRIVATE_NETWORK();
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(fd, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    socklen_t size = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    const std::uint16_t port = ntohs(address.sin_port);

    std::string program;
    std::getline(std::ifstream("/proc/self/comm"), program);
    EXPECT_EQ(readUdpPortUsers(port, 0), (std::vector<PortUser>{{getpid(), program}}));
    EXPECT_TRUE(readUdpPortUsers(port, getpid()).empty()); // the finder's own socket
    close(fd);
    EXPECT_TRUE(readUdpPortUsers(port, 0).empty());
}

} // namespace
} // namespace vistrel::net
