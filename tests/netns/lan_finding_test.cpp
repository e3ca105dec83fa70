// The finder on a computer cabled to two LANs (scripts/lans): it lists the cameras of both with
// the interface each answered on, flags the camera whose address is not of its LAN, restricts a
// search to the interfaces named, and sends a settings write into its camera's LAN only, as the
// LANs' camsim logs show. Run through scripts/lans; skipped elsewhere.

#include "support/finder_process.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

namespace vistrel {
namespace {

QString environment(const char* name) {
    return QString::fromLocal8Bit(std::getenv(name));
}

QString lanVariable(char lan, const char* what) {
    const std::string name = std::string("VISTREL_LAN_") + lan + "_" + what;
    return environment(name.c_str());
}

std::set<QString> macsOfLan(char lan) {
    const QStringList macs = lanVariable(lan, "MACS").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return {macs.begin(), macs.end()};
}

// The requests a LAN's cameras received: one JSON object per log line.
std::vector<QJsonObject> requestsSeenOn(char lan) {
    QFile log(lanVariable(lan, "CAMSIM_LOG"));
    std::vector<QJsonObject> requests;
    if (log.open(QIODevice::ReadOnly)) {
        while (!log.atEnd()) {
            const QJsonObject line = QJsonDocument::fromJson(log.readLine()).object();
            if (line.value(QStringLiteral("direction")).toString() == QLatin1String("in")) {
                requests.push_back(line);
            }
        }
    }
    return requests;
}

int searchesSeenOn(char lan) {
    int searches = 0;
    for (const QJsonObject& request : requestsSeenOn(lan)) {
        searches += request.value(QStringLiteral("command")).toString() == QLatin1String("0x0004");
    }
    return searches;
}

const QString kGarage = QStringLiteral("02:56:49:00:00:04"); // a short-layout camera on LAN B

class Lans : public ::testing::Test {
protected:
    void SetUp() override {
        if (environment("VISTREL_LANS").isEmpty()) {
            GTEST_SKIP() << "runs inside scripts/lans";
        }
    }

    // The cameras --list --json printed, by MAC.
    static std::map<QString, QJsonObject> listed(const QStringList& options = {}) {
        const test::Finished finished =
            test::runFinder(QStringList{QStringLiteral("--list"), QStringLiteral("--json"),
                                        QStringLiteral("--wait"), QStringLiteral("2")} +
                            options);
        EXPECT_EQ(finished.exitCode, 0) << finished.err.toStdString();
        std::map<QString, QJsonObject> cameras;
        for (const QJsonValue& camera : QJsonDocument::fromJson(finished.out).array()) {
            cameras[camera[QStringLiteral("mac")].toString()] = camera.toObject();
        }
        return cameras;
    }
};

TEST_F(Lans, CamerasOfBothLansAreListedWithTheInterfaceTheyAnsweredOn) {
    const std::map<QString, QJsonObject> cameras = listed();
    std::map<QString, QString> expected;
    for (const char lan : {'A', 'B'}) {
        for (const QString& mac : macsOfLan(lan)) {
            expected[mac] = lanVariable(lan, "INTERFACE");
        }
    }
    std::map<QString, QString> interfaces;
    for (const auto& [mac, camera] : cameras) {
        interfaces[mac] = camera[QStringLiteral("interface")].toString();
    }
    EXPECT_EQ(interfaces, expected);
    EXPECT_EQ(expected.size(), 7u);
}

TEST_F(Lans, OnlyTheCameraWithAnAddressOfAnotherNetworkIsFlagged) {
    for (const auto& [mac, camera] : listed()) {
        const QString name = camera[QStringLiteral("name")].toString();
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(camera[QStringLiteral("inSubnet")].toBool(), name != QLatin1String("Back yard"));
    }
    const test::Finished table =
        test::runFinder({QStringLiteral("--list"), QStringLiteral("--wait"), QStringLiteral("2")});
    const QStringList lines = QString::fromUtf8(table.out).split(QLatin1Char('\n'));
    const auto backYard = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
        return line.contains(QLatin1String("Back yard"));
    });
    ASSERT_NE(backYard, lines.end());
    EXPECT_TRUE(backYard->contains(lanVariable('B', "INTERFACE") + QStringLiteral("  outside")))
        << backYard->toStdString();
}

TEST_F(Lans, AnInterfaceNamedRestrictsTheSearchToItsLan) {
    const int searchesOnA = searchesSeenOn('A');
    const std::map<QString, QJsonObject> cameras =
        listed({QStringLiteral("--interface"), lanVariable('B', "INTERFACE")});
    std::set<QString> macs;
    for (const auto& [mac, camera] : cameras) {
        macs.insert(mac);
    }
    EXPECT_EQ(macs, macsOfLan('B'));
    EXPECT_EQ(searchesSeenOn('A'), searchesOnA); // not even by the default route

    const test::Finished unknown = test::runFinder(
        {QStringLiteral("--list"), QStringLiteral("--interface"), QStringLiteral("eth9")});
    EXPECT_EQ(unknown.exitCode, 64);
    EXPECT_TRUE(unknown.err.contains("'eth9'")) << unknown.err.toStdString();
}

// The write and every query before and after it go to LAN B only; LAN A hears the searches.
TEST_F(Lans, ASettingsWriteToACameraOnLanBIsAppliedThereAndSentNowhereElse) {
    const test::Finished configured = test::runFinder(
        {QStringLiteral("--configure"), kGarage, QStringLiteral("--name"),
         QStringLiteral("Garage east"), QStringLiteral("--wait"), QStringLiteral("10")},
        {{QStringLiteral("VISTREL_PASSWORD"), QStringLiteral("garage42")}});
    ASSERT_EQ(configured.exitCode, 0) << configured.err.toStdString();

    bool applied = false;
    for (const QJsonObject& request : requestsSeenOn('B')) {
        applied |= request[QStringLiteral("camera")].toString() == kGarage &&
                   request[QStringLiteral("command")].toString() == QLatin1String("0x0003") &&
                   request[QStringLiteral("verdict")].toString() == QLatin1String("applied");
    }
    EXPECT_TRUE(applied);
    for (const QJsonObject& request : requestsSeenOn('A')) {
        EXPECT_EQ(request[QStringLiteral("command")].toString(), QStringLiteral("0x0004"))
            << QJsonDocument(request).toJson().toStdString();
    }

    const test::Finished shown =
        test::runFinder({QStringLiteral("--show"), kGarage, QStringLiteral("--json"),
                         QStringLiteral("--wait"), QStringLiteral("3")});
    ASSERT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_EQ(shown.json()[QStringLiteral("name")].toString(), QStringLiteral("Garage east"));
    EXPECT_EQ(shown.json()[QStringLiteral("interface")].toString(), lanVariable('B', "INTERFACE"));
    EXPECT_EQ(shown.json()[QStringLiteral("inSubnet")], QJsonValue(true));
}

} // namespace
} // namespace vistrel
