// The finder as a process: its discovery broadcast reaches a stand-in camera, whose reply
// shows up in the printed list.

#include "protocol/admin_datagram.h"
#include "support/datagram_fixtures.h"
#include "support/private_network.h"
#include "support/udp_peer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace vistrel {
namespace {

QProcess* startFinder(QProcess& finder, const QStringList& arguments) {
    finder.start(QStringLiteral(VISTREL_FINDER_PATH), arguments);
    return finder.waitForStarted(5000) ? &finder : nullptr;
}

bool isDiscoveryRequest(const std::vector<std::uint8_t>& datagram) {
    return datagram ==
           std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x04, 0xFF, 0xFB};
}

// What the open file descriptors of a process point to, as /proc shows them.
std::vector<std::string> openFilesOf(qint64 pid) {
    std::vector<std::string> targets;
    std::error_code error;
    const auto directory = std::filesystem::path("/proc") / std::to_string(pid) / "fd";
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
        targets.push_back(std::filesystem::read_symlink(entry.path(), error).string());
    }
    return targets;
}

std::string socketFileOf(int descriptor) {
    struct stat status {};
    fstat(descriptor, &status);
    return "socket:[" + std::to_string(status.st_ino) + "]";
}

TEST(ListingIntegration, PrintsTheCameraThatAnsweredTheBroadcast) {
    VISTREL_REQUIRE_PRIVATE_NETWORK();
    test::UdpPeer camera(kAdminPort);
    ASSERT_TRUE(camera.bound());

    QProcess finder;
    ASSERT_TRUE(startFinder(finder, {QStringLiteral("--list"), QStringLiteral("--json"),
                                     QStringLiteral("--wait"), QStringLiteral("1.5")}));
    std::optional<std::vector<std::uint8_t>> request;
    while ((request = camera.receive(5000)) && !isDiscoveryRequest(*request)) {
    }
    ASSERT_TRUE(request) << "no discovery request from the finder";

    test::DiscoveryReplyFields fields;
    fields.name = "Front door";
    fields.ip = {127, 0, 0, 2};
    fields.setupFlagA = 0;
    fields.setupFlagB = 2;
    ASSERT_TRUE(camera.broadcast(test::discoveryReply(fields), kAdminPort));
    ASSERT_TRUE(camera.broadcast(test::discoveryReply(fields), kAdminPort)); // answered twice

    ASSERT_TRUE(finder.waitForFinished(10000));
    EXPECT_EQ(finder.exitCode(), 0) << finder.readAllStandardError().toStdString();
    const QJsonArray cameras = QJsonDocument::fromJson(finder.readAllStandardOutput()).array();
    ASSERT_EQ(cameras.size(), 1);
    const QJsonObject listed = cameras[0].toObject();
    EXPECT_EQ(listed.value(QStringLiteral("mac")).toString(), QStringLiteral("00:1a:2b:3c:4d:5e"));
    EXPECT_EQ(listed.value(QStringLiteral("ip")).toString(), QStringLiteral("127.0.0.2"));
    EXPECT_EQ(listed.value(QStringLiteral("name")).toString(), QStringLiteral("Front door"));
    EXPECT_EQ(listed.value(QStringLiteral("state")).toInt(), 1);
    EXPECT_EQ(listed.value(QStringLiteral("view")).toInt(), 1);
    EXPECT_FALSE(listed.value(QStringLiteral("model")).toString().isEmpty());
}

TEST(ListingIntegration, TheFinderDoesNotInheritTheStandInCameraSocket) {
    VISTREL_REQUIRE_PRIVATE_NETWORK();
    test::UdpPeer camera(kAdminPort);
    ASSERT_TRUE(camera.bound());

    QProcess finder;
    ASSERT_TRUE(startFinder(
        finder, {QStringLiteral("--list"), QStringLiteral("--wait"), QStringLiteral("1")}));
    const std::vector<std::string> finderFiles = openFilesOf(finder.processId());
    ASSERT_FALSE(finderFiles.empty()) << "the finder's descriptors cannot be read";
    EXPECT_EQ(std::count(finderFiles.begin(), finderFiles.end(), socketFileOf(camera.descriptor())),
              0);
    EXPECT_TRUE(finder.waitForFinished(10000));
}

TEST(ListingIntegration, EmptyListWhenNoCameraAnswers) {
    VISTREL_REQUIRE_PRIVATE_NETWORK();
    QProcess finder;
    ASSERT_TRUE(startFinder(finder, {QStringLiteral("--list"), QStringLiteral("--json"),
                                     QStringLiteral("--wait"), QStringLiteral("0.2")}));
    ASSERT_TRUE(finder.waitForFinished(10000));
    EXPECT_EQ(finder.exitCode(), 0);
    EXPECT_EQ(QJsonDocument::fromJson(finder.readAllStandardOutput()).array().size(), 0);
}

TEST(ListingIntegration, ExitsWithStatusTwoWhenThePortIsTaken) {
    VISTREL_REQUIRE_PRIVATE_NETWORK();
    test::UdpPeer exclusive(kAdminPort, /*shareAddress=*/false);
    ASSERT_TRUE(exclusive.bound());

    QProcess finder;
    ASSERT_TRUE(startFinder(
        finder, {QStringLiteral("--list"), QStringLiteral("--wait"), QStringLiteral("0")}));
    ASSERT_TRUE(finder.waitForFinished(10000));
    EXPECT_EQ(finder.exitCode(), 2);
    EXPECT_TRUE(finder.readAllStandardError().contains("13364"));
    EXPECT_TRUE(finder.readAllStandardOutput().isEmpty());
}

TEST(ListingIntegration, RefusesAWaitThatIsNotANumber) {
    QProcess finder;
    ASSERT_TRUE(startFinder(
        finder, {QStringLiteral("--list"), QStringLiteral("--wait"), QStringLiteral("soon")}));
    ASSERT_TRUE(finder.waitForFinished(10000));
    EXPECT_EQ(finder.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(finder.exitCode(), 64); // a usage error, before any socket is opened
    EXPECT_TRUE(finder.readAllStandardError().contains("--wait"));
}

} // namespace
} // namespace vistrel
