// The finder's command line as a process against vistrel-camsim: --show and --configure on a
// camera of each settings form, what they print, what reaches the camera and what does not.
// Runs inside the private network namespace of scripts/netns.

#include "support/camsim_process.h"
#include "support/finder_process.h"
#include "support/private_network.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>
#include <map>
#include <unistd.h>

namespace vistrel {
namespace {

const QString kScenario = QStringLiteral(VISTREL_COMMAND_LINE_SCENARIO);

struct Camera {
    QString mac;
    QString password;
    QString form;
    QString settingsWrite; // the command of its settings request
};

const Camera kXml{QStringLiteral("02:56:49:00:01:01"), QStringLiteral("pine&cone"),
                  QStringLiteral("xml"), QStringLiteral("0x0022")};
const Camera kShort{QStringLiteral("02:56:49:00:01:02"), QStringLiteral("rake1234"),
                    QStringLiteral("short"), QStringLiteral("0x0003")};
const Camera kLong{QStringLiteral("02:56:49:00:01:03"), QStringLiteral("Coat-Hook"),
                   QStringLiteral("long"), QStringLiteral("0x0003")};

using test::Finished;
using test::runFinder;

std::map<QString, QString> passwordOf(const Camera& camera) {
    return {{QStringLiteral("VISTREL_PASSWORD"), camera.password}};
}

struct CommandLine : ::testing::Test {
    void SetUp() override {
        VISTREL_REQUIRE_PRIVATE_NETWORK();
        cameras = std::make_unique<camsim::test::CamsimProcess>(kScenario);
        ASSERT_TRUE(cameras->waitUntilReady()) << cameras->standardError().toStdString();
    }

    // Whether any settings request reached the camera simulator.
    bool anySettingsWritten() const {
        return !cameras->lastLogLineOf(QStringLiteral("0x0022")).isEmpty() ||
               !cameras->lastLogLineOf(QStringLiteral("0x0003")).isEmpty();
    }

    Finished show(const Camera& camera) {
        return runFinder({QStringLiteral("--show"), camera.mac, QStringLiteral("--json"),
                          QStringLiteral("--wait"), QStringLiteral("3")});
    }

    std::unique_ptr<camsim::test::CamsimProcess> cameras;
};

TEST_F(CommandLine, ShowPrintsTheSettingsOfEachForm) {
    const struct {
        Camera camera;
        const char* ip;
        const char* name;
        int webPort;
        QJsonValue firmware;
    } cases[] = {
        {kXml, "127.0.0.2", "Porch", 80, QJsonValue()},
        {kShort, "127.0.0.3", "Shed", 8080, QJsonValue()},
        {kLong, "127.0.0.4", "Hallway", 81, QJsonValue(QStringLiteral("v1.10"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.camera.form.toStdString());
        const Finished shown = show(c.camera);
        ASSERT_EQ(shown.exitCode, 0) << shown.err.toStdString();
        const QJsonObject json = shown.json();
        EXPECT_EQ(json.value(QStringLiteral("mac")).toString(), c.camera.mac);
        EXPECT_EQ(json.value(QStringLiteral("ip")).toString(), QString::fromLatin1(c.ip));
        EXPECT_EQ(json.value(QStringLiteral("netmask")).toString(), QStringLiteral("255.0.0.0"));
        EXPECT_EQ(json.value(QStringLiteral("gateway")).toString(), QStringLiteral("127.0.0.1"));
        EXPECT_EQ(json.value(QStringLiteral("dns")).toString(), QStringLiteral("127.0.0.1"));
        EXPECT_EQ(json.value(QStringLiteral("dhcp")), QJsonValue(true));
        EXPECT_EQ(json.value(QStringLiteral("webPort")).toInt(), c.webPort);
        EXPECT_EQ(json.value(QStringLiteral("name")).toString(), QString::fromLatin1(c.name));
        EXPECT_EQ(json.value(QStringLiteral("form")).toString(), c.camera.form);
        EXPECT_EQ(json.value(QStringLiteral("firmware")), c.firmware);
        EXPECT_FALSE(shown.out.contains(c.camera.password.toUtf8()));
    }
    const QJsonObject wireless = show(kXml).json().value(QStringLiteral("wireless")).toObject();
    EXPECT_EQ(wireless.value(QStringLiteral("enabled")), QJsonValue(true));
    EXPECT_EQ(wireless.value(QStringLiteral("ssid")).toString(), QStringLiteral("Porch Net"));
    EXPECT_EQ(wireless.value(QStringLiteral("channel")).toInt(), 6);
    EXPECT_EQ(wireless.value(QStringLiteral("security")).toString(), QStringLiteral("wpa2-psk"));
    EXPECT_EQ(wireless.value(QStringLiteral("cipher")).toString(), QStringLiteral("aes"));
    EXPECT_EQ(wireless.value(QStringLiteral("keySet")), QJsonValue(true));

    const Finished plain =
        runFinder({QStringLiteral("--show"), QStringLiteral("02-56-49-00-01-03")});
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_TRUE(plain.out.contains("Firmware    v1.10\n")) << plain.out.toStdString();
    EXPECT_FALSE(plain.out.contains("Coat-Hook"));
}

TEST_F(CommandLine, ACameraThatDoesNotAnswerIsExitThree) {
    const Finished shown = runFinder({QStringLiteral("--show"), QStringLiteral("02:56:49:00:01:09"),
                                      QStringLiteral("--wait"), QStringLiteral("1.2")});
    EXPECT_EQ(shown.exitCode, 3);
    EXPECT_TRUE(shown.err.contains("02:56:49:00:01:09")) << shown.err.toStdString();
    EXPECT_TRUE(shown.out.isEmpty());
}

TEST_F(CommandLine, ConfigureMovesEachFormFromDhcpToAFixedAddress) {
    const struct {
        Camera camera;
        const char* ip;
    } cases[] = {{kXml, "127.0.0.20"}, {kShort, "127.0.0.21"}, {kLong, "127.0.0.22"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.camera.form.toStdString());
        const QString ip = QString::fromLatin1(c.ip);
        const Finished configured = runFinder(
            {QStringLiteral("--configure"), c.camera.mac.toUpper(), QStringLiteral("--ip"), ip,
             QStringLiteral("--netmask"), QStringLiteral("255.0.0.0"), QStringLiteral("--gateway"),
             QStringLiteral("127.0.0.1"), QStringLiteral("--dns"), QStringLiteral("127.0.0.1"),
             QStringLiteral("--json"), QStringLiteral("--wait"), QStringLiteral("5")},
            passwordOf(c.camera));
        ASSERT_EQ(configured.exitCode, 0) << configured.err.toStdString();
        EXPECT_EQ(configured.json().value(QStringLiteral("ip")).toString(), ip);
        EXPECT_EQ(configured.json().value(QStringLiteral("mac")).toString(), c.camera.mac);
        EXPECT_EQ(cameras->lastLogLineOf(c.camera.settingsWrite)
                      .value(QStringLiteral("verdict"))
                      .toString(),
                  QStringLiteral("applied"));

        const QJsonObject shown = show(c.camera).json();
        EXPECT_EQ(shown.value(QStringLiteral("ip")).toString(), ip);
        EXPECT_EQ(shown.value(QStringLiteral("dhcp")), QJsonValue(false));
    }
}

TEST_F(CommandLine, ANewPasswordNameAndPortReachTheLongForm) {
    std::map<QString, QString> passwords = passwordOf(kLong);
    passwords[QStringLiteral("VISTREL_NEW_PASSWORD")] = QStringLiteral("Umbrella-9");
    const Finished configured = runFinder(
        {QStringLiteral("--configure"), kLong.mac, QStringLiteral("--change-password"),
         QStringLiteral("--name"), QStringLiteral("Hall & stairs"), QStringLiteral("--port"),
         QStringLiteral("8081"), QStringLiteral("--wait"), QStringLiteral("5")},
        passwords);
    ASSERT_EQ(configured.exitCode, 0) << configured.err.toStdString();
    EXPECT_TRUE(configured.out.contains("Name  Hall & stairs\n")) << configured.out.toStdString();
    EXPECT_EQ(show(kLong).json().value(QStringLiteral("webPort")).toInt(), 8081);
    EXPECT_FALSE(configured.out.contains("Umbrella-9"));
    EXPECT_FALSE(configured.err.contains("Umbrella-9"));

    // The old password opens nothing any more; the new one does.
    const QStringList rename{QStringLiteral("--configure"), kLong.mac,
                             QStringLiteral("--name"),      QStringLiteral("Hall"),
                             QStringLiteral("--wait"),      QStringLiteral("5")};
    EXPECT_EQ(runFinder(rename, passwordOf(kLong)).exitCode, 4);
    EXPECT_EQ(
        runFinder(rename, {{QStringLiteral("VISTREL_PASSWORD"), QStringLiteral("Umbrella-9")}})
            .exitCode,
        0);
}

TEST_F(CommandLine, AWrongPasswordSendsNothing) {
    for (const Camera& camera : {kXml, kShort, kLong}) {
        SCOPED_TRACE(camera.form.toStdString());
        const Finished refused =
            runFinder({QStringLiteral("--configure"), camera.mac, QStringLiteral("--dhcp"),
                       QStringLiteral("--wait"), QStringLiteral("3")},
                      {{QStringLiteral("VISTREL_PASSWORD"), QStringLiteral("not-it")}});
        EXPECT_EQ(refused.exitCode, 4);
        EXPECT_EQ(refused.err, QByteArray("vistrel-finder: The password is incorrect.\n"));
        EXPECT_TRUE(refused.out.isEmpty());
    }
    EXPECT_FALSE(anySettingsWritten());
}

TEST_F(CommandLine, AnInvalidNetmaskSendsNothing) {
    const Finished refused =
        runFinder({QStringLiteral("--configure"), kShort.mac, QStringLiteral("--ip"),
                   QStringLiteral("127.0.0.30"), QStringLiteral("--netmask"),
                   QStringLiteral("255.0.255.0"), QStringLiteral("--wait"), QStringLiteral("3")},
                  passwordOf(kShort));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("The subnet mask is not valid")) << refused.err.toStdString();
    EXPECT_FALSE(anySettingsWritten());
}

TEST_F(CommandLine, WithoutAPasswordOrATerminalNothingIsAsked) {
    const Finished refused = runFinder({QStringLiteral("--configure"), kShort.mac,
                                        QStringLiteral("--name"), QStringLiteral("Shed 2")});
    EXPECT_EQ(refused.exitCode, 64);
    EXPECT_TRUE(refused.err.contains("VISTREL_PASSWORD")) << refused.err.toStdString();
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_FALSE(anySettingsWritten());
}

// Neither needs a display, nor opens the window.
TEST(CommandLineWithoutCameras, VersionHelpAndUnknownOptions) {
    VISTREL_REQUIRE_PRIVATE_NETWORK(); // a finder that started its window would broadcast
    const Finished version = runFinder({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("vistrel-finder ")) << version.out.toStdString();
    const Finished help = runFinder({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--configure MAC"));
    const Finished unknown = runFinder({QStringLiteral("--colour")});
    EXPECT_EQ(unknown.exitCode, 64);
    EXPECT_TRUE(unknown.err.contains("unknown option --colour"));
    EXPECT_TRUE(unknown.out.isEmpty());
}

} // namespace
} // namespace vistrel
