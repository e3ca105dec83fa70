#include "cli/camera_listing_format.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace vistrel {
namespace {

// The first answered on eth1 from outside its network; where the second answered is not known.
CameraList twoCameras() {
    CameraList list;
    CameraListRow outside{
        {"00:1a:2b:3c:4d:5e", " 10.  0.  0. 12", "Porch \"east\"", "VC-100", "5"}};
    outside.interfaceIndex = 3;
    outside.interfaceName = "eth1";
    outside.interfaceNetworks = "192.168.2.0/24";
    outside.inSubnet = false;
    list.addAndOrder(std::move(outside));
    list.addAndOrder({{"00:1a:2b:3c:4d:5f", "192.168.  2.  3", "Garden", "VC-210W", "1"}});
    return list;
}

TEST(CameraListingFormat, JsonHasOneObjectPerCameraInListOrder) {
    const QJsonArray cameras = QJsonDocument::fromJson(formatCameraJson(twoCameras())).array();
    ASSERT_EQ(cameras.size(), 2);
    const QJsonObject first = cameras[0].toObject();
    EXPECT_EQ(first.value(QStringLiteral("mac")).toString(), QStringLiteral("00:1a:2b:3c:4d:5f"));
    EXPECT_EQ(first.value(QStringLiteral("ip")).toString(), QStringLiteral("192.168.2.3"));
    EXPECT_EQ(first.value(QStringLiteral("name")).toString(), QStringLiteral("Garden"));
    EXPECT_EQ(first.value(QStringLiteral("model")).toString(), QStringLiteral("VC-210W"));
    EXPECT_EQ(first.value(QStringLiteral("state")).toInt(), 1);
    EXPECT_EQ(first.value(QStringLiteral("view")).toInt(), 1);
    EXPECT_TRUE(first.value(QStringLiteral("interface")).isNull());
    EXPECT_EQ(first.value(QStringLiteral("inSubnet")), QJsonValue(true));
    const QJsonObject second = cameras[1].toObject();
    EXPECT_EQ(second.value(QStringLiteral("name")).toString(), QStringLiteral("Porch \"east\""));
    EXPECT_EQ(second.value(QStringLiteral("view")).toInt(), 2);
    EXPECT_EQ(second.value(QStringLiteral("interface")).toString(), QStringLiteral("eth1"));
    EXPECT_EQ(second.value(QStringLiteral("inSubnet")), QJsonValue(false));
    EXPECT_EQ(QJsonDocument::fromJson(formatCameraJson(CameraList())).array().size(), 0);
}

TEST(CameraListingFormat, TableAlignsColumnsUnderAHeading) {
    const QStringList lines =
        formatCameraTable(twoCameras()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("MAC")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("00:1a:2b:3c:4d:5f  192.168.2.3 ")));
    const qsizetype nameColumn = lines[0].indexOf(QStringLiteral("NAME"));
    EXPECT_EQ(lines[1].indexOf(QStringLiteral("Garden")), nameColumn);
    EXPECT_EQ(lines[2].indexOf(QStringLiteral("Porch")), nameColumn);
    const qsizetype interfaceColumn = lines[0].indexOf(QStringLiteral("INTERFACE"));
    EXPECT_EQ(lines[1].indexOf(QStringLiteral("-  ")), interfaceColumn);
    EXPECT_EQ(lines[2].indexOf(QStringLiteral("eth1")), interfaceColumn);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("NETWORK")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(" ok")));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral(" outside")));
}

} // namespace
} // namespace vistrel
