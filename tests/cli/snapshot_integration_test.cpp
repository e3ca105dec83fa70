// --snapshot as a process against the demo cameras of vistrel-camsim and a scripted camera:
// the saved JPEG files, the camera found by its MAC or given by its address, Basic and Digest,
// and the exit statuses. Runs inside the private network namespace of scripts/netns.

#include "support/camsim_process.h"
#include "support/finder_process.h"
#include "support/private_network.h"
#include "support/scripted_camera.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>

namespace vistrel {
namespace {

using test::Finished;
using test::runFinder;

const QString kFrontDoor = QStringLiteral("02:56:49:00:00:01"); // Basic, password 2580
const QString kLivingRoom = QStringLiteral("127.0.0.4");        // Digest, password Lounge-7

std::map<QString, QString> password(const char* text) {
    return {{QStringLiteral("VISTREL_PASSWORD"), QString::fromLatin1(text)}};
}

// How the camera saw the last picture stream request: its authorization scheme and verdict.
QString lastStreamRequest(camsim::test::CamsimProcess& cameras, const char* key) {
    const QJsonObject line = cameras.lastLogLineOf(QStringLiteral("GET /snapshot.cgi"));
    const QJsonObject fields = line.value(QStringLiteral("fields")).toObject();
    return line.value(QString::fromLatin1(key))
        .toString(fields.value(QString::fromLatin1(key)).toString());
}

bool isJpegFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    return bytes.size() > 100 && bytes.startsWith("\xff\xd8") && bytes.endsWith("\xff\xd9");
}

class Snapshot : public ::testing::Test {
protected:
    void SetUp() override {
        VISTREL_REQUIRE_PRIVATE_NETWORK();
        cameras =
            std::make_unique<camsim::test::CamsimProcess>(QStringLiteral(VISTREL_DEMO_SCENARIO));
        ASSERT_TRUE(cameras->waitUntilReady()) << cameras->standardError().toStdString();
    }

    QString file(const char* name) const { return directory.filePath(QString::fromLatin1(name)); }

    std::unique_ptr<camsim::test::CamsimProcess> cameras;
    QTemporaryDir directory;
};

TEST_F(Snapshot, SavesNumberedPicturesOfABasicCameraFoundByItsMac) {
    const Finished run =
        runFinder({QStringLiteral("--snapshot"), kFrontDoor, QStringLiteral("--count"),
                   QStringLiteral("3"), QStringLiteral("--output"), file("door.jpg")},
                  password("2580"));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (const char* name : {"door-001.jpg", "door-002.jpg", "door-003.jpg"}) {
        EXPECT_TRUE(isJpegFile(file(name))) << name;
        EXPECT_TRUE(run.out.contains(file(name).toUtf8())) << run.out.toStdString();
    }
    EXPECT_FALSE(QFile::exists(file("door-004.jpg")));
    EXPECT_EQ(lastStreamRequest(*cameras, "authorization"), QStringLiteral("Basic"));
    EXPECT_EQ(lastStreamRequest(*cameras, "verdict"),
              QStringLiteral("answered: 200 picture stream"));
    EXPECT_FALSE(run.out.contains("2580"));
}

TEST_F(Snapshot, SavesOnePictureOfADigestCameraGivenByItsAddress) {
    const Finished run = runFinder({QStringLiteral("--snapshot"), kLivingRoom},
                                   password("Lounge-7"), directory.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(isJpegFile(file("snapshot.jpg")));
    EXPECT_EQ(run.out, "snapshot.jpg\n");
    EXPECT_EQ(lastStreamRequest(*cameras, "authorization"), QStringLiteral("Digest"));
    EXPECT_EQ(lastStreamRequest(*cameras, "verdict"),
              QStringLiteral("answered: 200 picture stream"));
}

TEST_F(Snapshot, FailuresHaveTheirExitStatus) {
    const struct {
        const char* name;
        QStringList arguments;
        const char* password; // nullptr: none in the environment, and no terminal to ask on
        int exitCode;
        const char* error;
    } cases[] = {
        {"a wrong password", {QStringLiteral("127.0.0.3")}, "2581", 4, "refused the password"},
        {"a wrong password, camera found by its MAC",
         {QStringLiteral("02:56:49:00:00:04")},
         "garage",
         4,
         "refused the password"},
        {"no camera with this MAC",
         {QStringLiteral("02:56:49:00:00:99"), QStringLiteral("--wait"), QStringLiteral("1.5")},
         "2580",
         3,
         "no camera with the MAC address 02:56:49:00:00:99"},
        {"nothing listens at the address",
         {QStringLiteral("127.0.0.99")},
         "2580",
         3,
         "cannot connect to 127.0.0.99:80"},
        {"no web server at the port",
         {QStringLiteral("127.0.0.2"), QStringLiteral("--port"), QStringLiteral("81")},
         "2580",
         3,
         "cannot connect to 127.0.0.2:81"},
        {"no password to be had", {QStringLiteral("127.0.0.2")}, nullptr, 64, "VISTREL_PASSWORD"},
        {"not an address", {QStringLiteral("127.0.0")}, "2580", 64, "is neither a MAC"},
        {"a count of none",
         {QStringLiteral("127.0.0.2"), QStringLiteral("--count"), QStringLiteral("0")},
         "2580",
         64,
         "--count takes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Finished run = runFinder(
            QStringList{QStringLiteral("--snapshot")} + c.arguments,
            c.password ? password(c.password) : std::map<QString, QString>{}, directory.path());
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.error)) << run.err.toStdString();
        EXPECT_TRUE(QDir(directory.path()).isEmpty());
    }
}

TEST_F(Snapshot, ACameraThatSendsNoPictureInTimeIsSix) {
    test::ScriptedHttpServer silent({test::answerAndWait(test::kStreamHeader)});
    ASSERT_TRUE(silent.listening());
    const auto start = std::chrono::steady_clock::now();
    const Finished run = runFinder({QStringLiteral("--snapshot"), QStringLiteral("127.0.0.1"),
                                    QStringLiteral("--port"), QString::number(silent.port()),
                                    QStringLiteral("--wait"), QStringLiteral("1")},
                                   password("2580"), directory.path());
    EXPECT_EQ(run.exitCode, 6) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("no picture arrived within 1 s")) << run.err.toStdString();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_TRUE(QDir(directory.path()).isEmpty());
}

} // namespace
} // namespace vistrel
