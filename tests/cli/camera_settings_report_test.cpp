#include "camera_reading_fixture.h"
#include "cli/camera_settings_report.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace vistrel {
namespace {

constexpr const char* kXmlDocument =
    "<DHCP>0</DHCP><ip>192.168.2.3</ip><netmask>255.255.255.0</netmask>"
    "<gateway>192.168.2.1</gateway><dns1>8.8.4.4</dns1><webPort>8080</webPort>"
    "<mac>02:56:49:00:01:0a</mac><cameraName>Porch &amp; gate</cameraName>"
    "<userName>admin</userName><userPassword>pine-cone-77</userPassword>";
constexpr const char* kWireless =
    "<enable>1</enable><mode>1</mode><ssid>Garden Net</ssid><channel>11</channel>"
    "<auth>4</auth><encryption>3</encryption><wpakey>wooden-steps-9</wpakey>"
    "<wepkey1>A1B2C3D4E5</wepkey1><wepkeytype>0</wepkeytype><wepkeysize>0</wepkeysize>";

using Report = test::CameraReadingFixture;

QJsonObject jsonOf(const CameraSettingsReport& report) {
    return QJsonDocument::fromJson(formatSettingsJson(report)).object();
}

// Neither output carries a secret the camera reported.
void expectNoSecretIn(const CameraSettingsReport& report,
                      std::initializer_list<const char*> secrets) {
    const QString text = formatSettingsText(report);
    const QString json = QString::fromUtf8(formatSettingsJson(report));
    for (const char* secret : secrets) {
        EXPECT_FALSE(text.contains(QString::fromLatin1(secret))) << secret;
        EXPECT_FALSE(json.contains(QString::fromLatin1(secret))) << secret;
    }
}

TEST_F(Report, AnXmlCameraWithItsWirelessSettings) {
    answer(test::kXmlModel);
    receiveDocument(kXmlDocument, kWireless);
    ASSERT_TRUE(reading.settingsArrived());
    const CameraSettingsReport report = settingsReportOf(reading.config);

    const QJsonObject json = jsonOf(report);
    EXPECT_EQ(json.value(QStringLiteral("mac")).toString(), QStringLiteral("02:56:49:00:01:0a"));
    EXPECT_EQ(json.value(QStringLiteral("ip")).toString(), QStringLiteral("192.168.2.3"));
    EXPECT_EQ(json.value(QStringLiteral("netmask")).toString(), QStringLiteral("255.255.255.0"));
    EXPECT_EQ(json.value(QStringLiteral("gateway")).toString(), QStringLiteral("192.168.2.1"));
    EXPECT_EQ(json.value(QStringLiteral("dns")).toString(), QStringLiteral("8.8.4.4"));
    EXPECT_EQ(json.value(QStringLiteral("dhcp")), QJsonValue(false));
    EXPECT_EQ(json.value(QStringLiteral("webPort")).toInt(), 8080);
    EXPECT_EQ(json.value(QStringLiteral("name")).toString(), QStringLiteral("Porch & gate"));
    EXPECT_FALSE(json.value(QStringLiteral("model")).toString().isEmpty());
    EXPECT_EQ(json.value(QStringLiteral("modelCode")).toInt(), reading.config.camera.modelCode);
    EXPECT_TRUE(json.value(QStringLiteral("firmware")).isNull());
    EXPECT_EQ(json.value(QStringLiteral("form")).toString(), QStringLiteral("xml"));
    const QJsonObject wireless = json.value(QStringLiteral("wireless")).toObject();
    EXPECT_EQ(wireless.value(QStringLiteral("enabled")), QJsonValue(true));
    EXPECT_EQ(wireless.value(QStringLiteral("ssid")).toString(), QStringLiteral("Garden Net"));
    EXPECT_EQ(wireless.value(QStringLiteral("channel")).toInt(), 11);
    EXPECT_EQ(wireless.value(QStringLiteral("security")).toString(), QStringLiteral("wpa2-psk"));
    EXPECT_EQ(wireless.value(QStringLiteral("cipher")).toString(), QStringLiteral("aes"));
    EXPECT_EQ(wireless.value(QStringLiteral("keySet")), QJsonValue(true));
    expectNoSecretIn(report, {"pine-cone-77", "wooden-steps-9", "A1B2C3D4E5"});
}

TEST_F(Report, PlainTextHasOneAlignedLinePerSetting) {
    answer(test::kXmlModel);
    receiveDocument(kXmlDocument, "<enable>0</enable><ssid>0</ssid><channel>0</channel>"
                                  "<auth>0</auth><encryption>0</encryption>");
    const QStringList lines = formatSettingsText(settingsReportOf(reading.config))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Every value starts in the same column, after the widest label.
    const qsizetype column = lines[0].indexOf(QStringLiteral("02:56"));
    for (const QString& line : lines) {
        EXPECT_FALSE(line.endsWith(QLatin1Char(' '))) << line.toStdString();
        if (line.size() <= column) {
            continue; // a label without a value, such as an empty SSID
        }
        EXPECT_EQ(line.at(column - 1), QLatin1Char(' ')) << line.toStdString();
        EXPECT_NE(line.at(column), QLatin1Char(' ')) << line.toStdString();
    }
    const std::pair<const char*, const char*> expected[] = {
        {"IP", "192.168.2.3"},  {"DNS", "8.8.4.4"},       {"DHCP", "no"},
        {"Web port", "8080"},   {"Name", "Porch & gate"}, {"Firmware", "not reported"},
        {"Form", "xml"},        {"Wireless", "off"},      {"  Channel", "automatic"},
        {"  Security", "none"}, {"  Key", "not set"}};
    EXPECT_TRUE(lines.contains(QStringLiteral("  SSID")));
    for (const auto& [label, value] : expected) {
        const QString line =
            QString::fromUtf8(label).leftJustified(column) + QString::fromUtf8(value);
        EXPECT_TRUE(lines.contains(line)) << line.toStdString();
    }
}

TEST_F(Report, TheInterfaceItAnsweredOnAndWhetherItsAddressFitsThere) {
    answer(test::kXmlModel);
    receiveDocument(kXmlDocument, kWireless);
    CameraListRow row = reading.selectedRow();
    row.interfaceName = "vst-lan-b";
    row.interfaceNetworks = "10.77.0.0/24";
    row.inSubnet = false;
    const CameraSettingsReport outside = settingsReportOf(reading.config, row);
    const QJsonObject json = jsonOf(outside);
    EXPECT_EQ(json.value(QStringLiteral("interface")).toString(), QStringLiteral("vst-lan-b"));
    EXPECT_EQ(json.value(QStringLiteral("inSubnet")), QJsonValue(false));
    const QString text = formatSettingsText(outside);
    EXPECT_TRUE(text.contains(QStringLiteral("Interface   vst-lan-b\n")));
    EXPECT_TRUE(
        text.contains(QStringLiteral("Network     outside (vst-lan-b is on 10.77.0.0/24)\n")));

    const CameraSettingsReport unknown = settingsReportOf(reading.config);
    EXPECT_TRUE(jsonOf(unknown).value(QStringLiteral("interface")).isNull());
    EXPECT_EQ(jsonOf(unknown).value(QStringLiteral("inSubnet")), QJsonValue(true));
    EXPECT_TRUE(formatSettingsText(unknown).contains(QStringLiteral("Network     ok\n")));
}

TEST_F(Report, ALongLayoutCameraWithItsFirmwareAndNoWireless) {
    answer(test::kLongModel);
    test::FixedReplyFields fields;
    fields.dhcpFlag = 1;
    fields.credential = "0123456789ABCDEF0123456789ABCDEF"; // a digest text
    receive(test::fixedSettingsReply(test::kCameraMac, fields));
    ASSERT_TRUE(reading.settingsArrived());
    const CameraSettingsReport report = settingsReportOf(reading.config);
    const QJsonObject json = jsonOf(report);
    EXPECT_EQ(json.value(QStringLiteral("form")).toString(), QStringLiteral("long"));
    EXPECT_EQ(json.value(QStringLiteral("firmware")).toString(), QStringLiteral("v1.10"));
    EXPECT_EQ(json.value(QStringLiteral("ip")).toString(), QStringLiteral("192.168.2.3"));
    EXPECT_EQ(json.value(QStringLiteral("dhcp")), QJsonValue(true));
    EXPECT_EQ(json.value(QStringLiteral("webPort")).toInt(), 8080);
    EXPECT_TRUE(json.value(QStringLiteral("wireless")).isNull());
    EXPECT_FALSE(formatSettingsText(report).contains(QStringLiteral("Wireless")));
    expectNoSecretIn(report, {"0123456789ABCDEF"});
}

TEST_F(Report, AShortLayoutCameraReportsNoFirmware) {
    answer(test::kShortModel);
    test::FixedReplyFields fields;
    fields.longForm = false;
    receive(test::fixedSettingsReply(test::kCameraMac, fields));
    const QJsonObject json = jsonOf(settingsReportOf(reading.config));
    EXPECT_EQ(json.value(QStringLiteral("form")).toString(), QStringLiteral("short"));
    EXPECT_TRUE(json.value(QStringLiteral("firmware")).isNull());
    expectNoSecretIn(settingsReportOf(reading.config), {"secret"});
}

// A fixed-layout reply without the password credential tells the name alone: the camera's
// settings are still unknown, so the command line waits on.
TEST_F(Report, AReplyWithoutCredentialIsNotTheSettings) {
    answer(test::kLongModel);
    test::FixedReplyFields fields;
    fields.credential = "";
    receive(test::fixedSettingsReply(test::kCameraMac, fields));
    EXPECT_FALSE(reading.settingsArrived());
    EXPECT_EQ(reading.config.camera.cameraName, "Porch");
}

TEST(WhereaboutsFormat, NamesMacIpAndName) {
    const CameraWhereabouts where{"02:56:49:00:01:0a", "10.0.0.2", "Porch"};
    const QJsonObject json = QJsonDocument::fromJson(formatWhereaboutsJson(where)).object();
    EXPECT_EQ(json.keys(),
              (QStringList{QStringLiteral("ip"), QStringLiteral("mac"), QStringLiteral("name")}));
    EXPECT_EQ(json.value(QStringLiteral("ip")).toString(), QStringLiteral("10.0.0.2"));
    const QStringList lines =
        formatWhereaboutsText(where).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines,
              (QStringList{QStringLiteral("MAC   02:56:49:00:01:0a"),
                           QStringLiteral("IP    10.0.0.2"), QStringLiteral("Name  Porch")}));
}

} // namespace
} // namespace vistrel
