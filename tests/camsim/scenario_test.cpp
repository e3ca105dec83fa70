// Reading scenarios: every field into its place, errors that name the field, the checks of a
// scenario as a whole, and the demo scenario that ./scripts/run starts.

#include "camera_fixtures.h"
#include "camsim/scenario_checks.h"
#include "camsim/scenario_reader.h"
#include "discovery/camera_discovery.h"
#include "discovery/model_names.h"

#include <gtest/gtest.h>
#include <set>

namespace vistrel::camsim {
namespace {

QByteArray scenarioWith(const std::string& cameraFields) {
    return QByteArray::fromStdString(
        R"({"cameras": [{"mac": "02:56:49:00:00:01", "ip": "127.0.0.2")" + cameraFields + "}]}");
}

TEST(ScenarioReading, EveryFieldGoesToItsPlace) {
    const ScenarioReading reading = readScenarioText(R"({"cameras": [{
        "mac": "02:56:49:0a:0b:0c", "name": "Porch", "ip": "127.0.0.8",
        "vendorCode": 3, "modelNumber": 27, "deviceClass": 5, "setupFlagA": 1, "setupFlagB": 2,
        "nameTableSelector": 2, "settingsVariant": "long", "passwordReport": "digest",
        "firmwareVersion": "v1.08",
        "settings": {"dhcp": true, "netmask": "255.255.255.0", "gateway": "127.0.0.1",
                     "dns": "127.0.0.53", "webPort": 8080, "userName": "admin", "password": "pw",
                     "wireless": {"enable": true, "ssid": "Home", "channel": 11, "auth": 4,
                                  "encryption": 3, "wpaKey": "12345678", "wepKey": "",
                                  "wepKeyType": 1, "wepKeySize": 1}},
        "networks": [{"ssid": "Home", "bssid": "02:aa:00:00:00:01", "signal": 70, "channel": 11,
                      "security": 6, "adHoc": true}],
        "statusReplies": {"dhcp": 3, "link": "never", "wps": 0},
        "http": {"auth": "digest", "realm": "Porch camera", "fps": 0, "width": 320, "height": 240}
    }]})");
    ASSERT_EQ(reading.error, "");
    ASSERT_EQ(reading.cameras.size(), 1u);
    const CameraDescription& c = reading.cameras[0];
    EXPECT_EQ(c.mac, (MacAddress{0x02, 0x56, 0x49, 0x0a, 0x0b, 0x0c}));
    EXPECT_EQ(c.settings.name, "Porch");
    EXPECT_EQ(c.settings.ip, (Ipv4Address{127, 0, 0, 8}));
    EXPECT_EQ(c.vendorCode, 3);
    EXPECT_EQ(c.modelNumber, 27);
    EXPECT_EQ(c.setupFlagA, 1);
    EXPECT_EQ(c.nameTableSelector, 2);
    EXPECT_EQ(c.variant, SettingsVariant::LongLayout);
    EXPECT_EQ(c.passwordReport, PasswordReport::Digest);
    EXPECT_EQ(c.firmwareVersion, "v1.08");
    EXPECT_TRUE(c.settings.dhcp);
    EXPECT_EQ(c.settings.dns, (Ipv4Address{127, 0, 0, 53}));
    EXPECT_EQ(c.settings.webPort, 8080);
    EXPECT_EQ(c.settings.password, "pw");
    EXPECT_EQ(c.settings.wireless,
              (WirelessSettings{"1", "1", "Home", "11", "4", "3", "12345678", "", "1", "1"}));
    ASSERT_EQ(c.networks.size(), 1u);
    EXPECT_EQ(c.networks[0].bssid, "02:aa:00:00:00:01");
    EXPECT_TRUE(c.networks[0].adHoc);
    EXPECT_EQ(c.statusReplies.dhcp, ReadyAfter(3));
    EXPECT_EQ(c.statusReplies.link, std::nullopt);
    EXPECT_EQ(c.httpAuth, HttpAuth::Digest);
    EXPECT_EQ(c.realm, "Porch camera");
    EXPECT_EQ(c.picture.framesPerSecond, 0);
    EXPECT_EQ(c.picture.width, 320);
}

TEST(ScenarioReading, ErrorsNameTheField) {
    const std::vector<std::pair<QByteArray, std::string>> cases{
        {"[1, 2]", "not a JSON object"},
        {"{\"cameras\": [", "not JSON: "},
        {"{}", "cameras: missing"},
        {"{\"cameras\": [], \"camera\": 1}", "camera: unknown field"},
        {"{\"cameras\": [7]}", "cameras[0]: not an object"},
        {R"({"cameras": [{"ip": "127.0.0.2"}]})", "cameras[0].mac: missing"},
        {scenarioWith(R"(, "mac2": 1)"), "cameras[0].mac2: unknown field"},
        {R"({"cameras": [{"mac": "02-56-49-00-00-01", "ip": "127.0.0.2"}]})",
         "cameras[0].mac: \"02-56-49-00-00-01\" is not a MAC address"},
        {R"({"cameras": [{"mac": "02:56:49:00:00:01", "ip": "127.0.0.256"}]})",
         "cameras[0].ip: \"127.0.0.256\" is not an IPv4 address"},
        {scenarioWith(R"(, "modelNumber": 300)"),
         "cameras[0].modelNumber: not a whole number from 0 to 255"},
        {scenarioWith(R"(, "modelNumber": 2.5)"), "cameras[0].modelNumber: not a whole number"},
        {scenarioWith(R"(, "name": 5)"), "cameras[0].name: not a text"},
        {scenarioWith(R"(, "settingsVariant": "medium")"),
         "cameras[0].settingsVariant: \"medium\" is none of the choices"},
        {scenarioWith(R"(, "firmwareVersion": "v10.100")"),
         "cameras[0].firmwareVersion: longer than 5 bytes"},
        {scenarioWith(R"(, "settings": {"netmask": "255.0.0"})"),
         "cameras[0].settings.netmask: \"255.0.0\" is not an IPv4 address"},
        {scenarioWith(R"(, "settings": {"webPort": 0})"),
         "cameras[0].settings.webPort: not a whole number from 1 to 65535"},
        {scenarioWith(R"(, "settings": {"dhcp": "yes"})"),
         "cameras[0].settings.dhcp: not true or false"},
        {scenarioWith(R"(, "settings": {"wireless": {"channel": 15}})"),
         "cameras[0].settings.wireless.channel: not a whole number from 0 to 14"},
        {scenarioWith(R"(, "networks": [{"ssid": "a"}, {"signal": 3}])"),
         "cameras[0].networks[1].ssid: missing"},
        {scenarioWith(R"(, "statusReplies": {"wps": "soon"})"),
         "cameras[0].statusReplies.wps: neither a number of requests nor \"never\""},
        {scenarioWith(R"(, "http": {"realm": "say \"hi\""})"),
         "cameras[0].http.realm: holds a double quote"},
        {scenarioWith(R"(, "http": {"auth": "ntlm"})"),
         "cameras[0].http.auth: \"ntlm\" is none of the choices"},
    };
    for (const auto& [json, error] : cases) {
        SCOPED_TRACE(json.toStdString());
        const ScenarioReading reading = readScenarioText(json);
        EXPECT_EQ(reading.error.substr(0, error.size()), error) << reading.error;
        EXPECT_TRUE(reading.cameras.empty());
    }
}

TEST(ScenarioChecks, CamerasThatCannotRunSideBySide) {
    CameraDescription a = test::xmlCamera();
    CameraDescription b = test::shortLayoutCamera();
    b.mac = a.mac;
    b.settings.ip = a.settings.ip;
    b.settings.webPort = a.settings.webPort;
    const ScenarioFindings findings = checkScenario({a, b});
    ASSERT_EQ(findings.errors.size(), 2u);
    EXPECT_NE(findings.errors[0].find("MAC used twice"), std::string::npos);
    EXPECT_NE(findings.errors[1].find("another camera serves 127.0.0.3:80"), std::string::npos);
    EXPECT_EQ(checkScenario({}).errors, std::vector<std::string>{"no camera"});
}

TEST(ScenarioChecks, WarnsWhereTheFinderWouldReadTheCameraOtherwise) {
    CameraDescription shortForLongModel = test::shortLayoutCamera();
    shortForLongModel.modelNumber = 27; // "VN-3000E", model code 27: the finder reads it long
    CameraDescription looksLikeXml = test::longLayoutCamera();
    looksLikeXml.settings.dns = {192, 168, 172, 237};
    const ScenarioFindings findings = checkScenario({shortForLongModel, looksLikeXml});
    EXPECT_TRUE(findings.errors.empty());
    ASSERT_EQ(findings.warnings.size(), 2u);
    EXPECT_NE(findings.warnings[0].find("\"VN-3000E\" (code 27) with the long layout"),
              std::string::npos);
    EXPECT_NE(findings.warnings[1].find("172.237"), std::string::npos);
}

TEST(ScenarioChecks, SettingsDocumentMustFitTheFindersBuffer) {
    CameraDescription camera = test::xmlCamera();
    camera.settings.name = std::string(64, '&');
    camera.settings.wireless.wpakey = std::string(64, '<');
    camera.settings.wireless.ssid = std::string(32, '>');
    const ScenarioFindings findings = checkScenario({camera});
    ASSERT_EQ(findings.errors.size(), 1u);
    EXPECT_NE(findings.errors[0].find("longer than 1023 bytes"), std::string::npos);
}

TEST(DemoScenario, ShowsEveryKindOfCamera) {
    const ScenarioReading reading = readScenarioFile(QStringLiteral(VISTREL_DEMO_SCENARIO));
    ASSERT_EQ(reading.error, "");
    const ScenarioFindings findings = checkScenario(reading.cameras);
    EXPECT_TRUE(findings.errors.empty());
    EXPECT_TRUE(findings.warnings.empty()) << findings.warnings.front();
    EXPECT_GE(reading.cameras.size(), 6u);
    std::set<int> states;
    std::set<bool> wireless;
    std::set<SettingsVariant> variants;
    std::set<HttpAuth> auths;
    int unreachable = 0;
    for (const CameraDescription& camera : reading.cameras) {
        states.insert(listStateOf(camera.setupFlagA, camera.setupFlagB));
        wireless.insert(IsWirelessModel(finderModelCodeOf(camera)));
        variants.insert(camera.variant);
        auths.insert(camera.httpAuth);
        unreachable += camera.settings.ip[0] == 192 && camera.settings.ip[1] == 0 &&
                       camera.settings.ip[2] == 2;
    }
    EXPECT_EQ(states, (std::set<int>{1, 3, 4, 5}));
    EXPECT_EQ(wireless.size(), 2u);
    EXPECT_EQ(variants.size(), 3u);
    EXPECT_EQ(auths.size(), 3u);
    EXPECT_EQ(unreachable, 1);
}

} // namespace
} // namespace vistrel::camsim
