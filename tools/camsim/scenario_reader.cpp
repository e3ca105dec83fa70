#include "camsim/scenario_reader.h"

#include "camsim/json_object_reader.h"
#include "camsim/text_values.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

namespace vistrel::camsim {

namespace {

constexpr std::size_t kMaxNameBytes = 64;
constexpr std::size_t kMaxSsidBytes = 32;
constexpr std::size_t kMaxRealmBytes = 64;

std::string itemPath(const std::string& path, const char* key, qsizetype index) {
    return (path.empty() ? std::string() : path + ".") + key + "[" + std::to_string(index) + "]";
}

// A number that the settings document carries as its decimal text.
void readNumberText(JsonObjectReader& reader, const char* key, std::string& slot, int minimum,
                    int maximum) {
    int value = parseDecimal(slot, minimum, maximum).value_or(minimum);
    reader.integer(key, value, minimum, maximum);
    slot = std::to_string(value);
}

void readWireless(const QJsonObject& object, const std::string& path, WirelessSettings& w,
                  std::string& error) {
    JsonObjectReader reader(object, path, error);
    bool enabled = w.enable == "1";
    reader.flag("enable", enabled);
    w.enable = std::to_string(enabled ? 1 : 0);
    reader.text("ssid", w.ssid, kMaxSsidBytes);
    readNumberText(reader, "channel", w.channel, 0, 14);
    readNumberText(reader, "auth", w.auth, 0, 5);
    readNumberText(reader, "encryption", w.encryption, 0, 3);
    readNumberText(reader, "wepKeyType", w.wepkeytype, 0, 1);
    readNumberText(reader, "wepKeySize", w.wepkeysize, 0, 1);
    reader.text("wpaKey", w.wpakey, 64);
    reader.text("wepKey", w.wepkey1, 26);
    reader.rejectUnknownKeys();
}

void readSettings(const QJsonObject& object, const std::string& path, CameraSettings& s,
                  std::string& error) {
    JsonObjectReader reader(object, path, error);
    reader.flag("dhcp", s.dhcp);
    reader.address("netmask", s.netmask);
    reader.address("gateway", s.gateway);
    reader.address("dns", s.dns);
    int webPort = s.webPort;
    reader.integer("webPort", webPort, 1, 65535);
    s.webPort = static_cast<std::uint16_t>(webPort);
    reader.text("userName", s.userName, 32);
    reader.text("password", s.password, 64);
    if (const auto wireless = reader.object("wireless")) {
        readWireless(*wireless, reader.pathOf("wireless"), s.wireless, error);
    }
    reader.rejectUnknownKeys();
}

SurveyedNetwork readNetwork(const QJsonObject& object, const std::string& path,
                            std::string& error) {
    SurveyedNetwork network;
    JsonObjectReader reader(object, path, error);
    reader.require("ssid");
    reader.text("ssid", network.ssid, kMaxSsidBytes);
    reader.text("bssid", network.bssid, 17);
    reader.byte("signal", network.signal, 0, 100);
    reader.byte("channel", network.channel, 1, 14);
    reader.byte("security", network.security);
    reader.flag("adHoc", network.adHoc);
    reader.rejectUnknownKeys();
    return network;
}

void readNetworks(const QJsonArray& array, const std::string& path, CameraDescription& camera,
                  std::string& error) {
    for (qsizetype i = 0; i < array.size() && error.empty(); ++i) {
        const std::string itemPathText = path + "[" + std::to_string(i) + "]";
        if (!array[i].isObject()) {
            error = itemPathText + ": not an object";
            return;
        }
        camera.networks.push_back(readNetwork(array[i].toObject(), itemPathText, error));
    }
}

void readStatusReplies(const QJsonObject& object, const std::string& path, StatusBehaviour& s,
                       std::string& error) {
    JsonObjectReader reader(object, path, error);
    reader.readyAfter("dhcp", s.dhcp);
    reader.readyAfter("link", s.link);
    reader.readyAfter("wps", s.wps);
    reader.rejectUnknownKeys();
}

void readRealm(JsonObjectReader& reader, std::string& realm) {
    reader.text("realm", realm, kMaxRealmBytes);
    // The realm travels between double quotes in the challenge.
    if (realm.find_first_of("\"\\\r\n") != std::string::npos) {
        reader.fail("realm", "holds a double quote, backslash or line break");
    }
}

void readHttp(const QJsonObject& object, const std::string& path, CameraDescription& camera,
              std::string& error) {
    JsonObjectReader reader(object, path, error);
    reader.choice<HttpAuth>(
        "auth", camera.httpAuth,
        {{"none", HttpAuth::None}, {"basic", HttpAuth::Basic}, {"digest", HttpAuth::Digest}});
    readRealm(reader, camera.realm);
    reader.integer("fps", camera.picture.framesPerSecond, 0, 60);
    reader.integer("width", camera.picture.width, 64, 1920);
    reader.integer("height", camera.picture.height, 48, 1080);
    reader.rejectUnknownKeys();
}

void readIdentity(JsonObjectReader& reader, CameraDescription& camera) {
    reader.require("mac");
    reader.require("ip");
    reader.mac("mac", camera.mac);
    reader.text("name", camera.settings.name, kMaxNameBytes);
    reader.address("ip", camera.settings.ip);
    reader.byte("vendorCode", camera.vendorCode);
    reader.byte("modelNumber", camera.modelNumber);
    reader.byte("deviceClass", camera.deviceClass);
    reader.byte("setupFlagA", camera.setupFlagA);
    reader.byte("setupFlagB", camera.setupFlagB);
    reader.byte("nameTableSelector", camera.nameTableSelector);
    reader.choice<SettingsVariant>("settingsVariant", camera.variant,
                                   {{"xml", SettingsVariant::Xml},
                                    {"short", SettingsVariant::ShortLayout},
                                    {"long", SettingsVariant::LongLayout}});
    reader.choice<PasswordReport>(
        "passwordReport", camera.passwordReport,
        {{"plain", PasswordReport::Plain}, {"digest", PasswordReport::Digest}});
    reader.text("firmwareVersion", camera.firmwareVersion, 5);
}

} // namespace

ScenarioReading readCamera(const QJsonObject& object, const std::string& path) {
    ScenarioReading reading;
    CameraDescription camera;
    JsonObjectReader reader(object, path, reading.error);
    readIdentity(reader, camera);
    if (const auto settings = reader.object("settings")) {
        readSettings(*settings, reader.pathOf("settings"), camera.settings, reading.error);
    }
    if (const auto networks = reader.array("networks")) {
        readNetworks(*networks, reader.pathOf("networks"), camera, reading.error);
    }
    if (const auto statusReplies = reader.object("statusReplies")) {
        readStatusReplies(*statusReplies, reader.pathOf("statusReplies"), camera.statusReplies,
                          reading.error);
    }
    if (const auto http = reader.object("http")) {
        readHttp(*http, reader.pathOf("http"), camera, reading.error);
    }
    reader.rejectUnknownKeys();
    if (reading.error.empty()) {
        reading.cameras.push_back(std::move(camera));
    }
    return reading;
}

ScenarioReading readScenarioText(const QByteArray& json) {
    ScenarioReading reading;
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject()) {
        reading.error = parseError.error != QJsonParseError::NoError
                            ? "not JSON: " + parseError.errorString().toStdString() +
                                  " at offset " + std::to_string(parseError.offset)
                            : "not a JSON object";
        return reading;
    }
    JsonObjectReader reader(document.object(), "", reading.error);
    std::string description;
    reader.text("description", description, 4096);
    reader.require("cameras");
    const auto cameras = reader.array("cameras");
    reader.rejectUnknownKeys();
    for (qsizetype i = 0; cameras && i < cameras->size() && reading.error.empty(); ++i) {
        const std::string path = itemPath("", "cameras", i);
        ScenarioReading camera = (*cameras)[i].isObject()
                                     ? readCamera((*cameras)[i].toObject(), path)
                                     : ScenarioReading{{}, path + ": not an object"};
        reading.error = camera.error;
        reading.cameras.insert(reading.cameras.end(), camera.cameras.begin(), camera.cameras.end());
    }
    return reading;
}

ScenarioReading readScenarioFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, path.toStdString() + ": " + file.errorString().toStdString()};
    }
    ScenarioReading reading = readScenarioText(file.readAll());
    if (!reading.error.empty()) {
        reading.error = path.toStdString() + ": " + reading.error;
    }
    return reading;
}

} // namespace vistrel::camsim
