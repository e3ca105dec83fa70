#include "camsim/quick_camera.h"

#include <QJsonObject>
#include <QStringList>
#include <array>

namespace vistrel::camsim {

namespace {

// Where an option's value goes in the camera's scenario object.
enum class Group { Camera, Settings, Http };
enum class Kind { Text, Number, NumberPair };

struct QuickOption {
    const char* name;
    const char* valueName;
    const char* description;
    Group group;
    Kind kind;
    const char* key;
    const char* secondKey = nullptr; // pairs: the key of the second number
    char separator = 0;
};

constexpr std::array<QuickOption, 12> kQuickOptions{{
    {"mac", "MAC", "Quick camera: MAC address (default 02:56:49:00:00:01).", Group::Camera,
     Kind::Text, "mac"},
    {"ip", "ADDRESS", "Quick camera: IPv4 address (default 127.0.0.2).", Group::Camera, Kind::Text,
     "ip"},
    {"name", "NAME", "Quick camera: name.", Group::Camera, Kind::Text, "name"},
    {"web-port", "PORT", "Quick camera: web port (default 80).", Group::Settings, Kind::Number,
     "webPort"},
    {"model-number", "N", "Quick camera: model number (default 10).", Group::Camera, Kind::Number,
     "modelNumber"},
    {"vendor-code", "N", "Quick camera: vendor code (default 0).", Group::Camera, Kind::Number,
     "vendorCode"},
    {"setup-flags", "A,B", "Quick camera: set-up flags A and B (default 0,2: a new camera).",
     Group::Camera, Kind::NumberPair, "setupFlagA", "setupFlagB", ','},
    {"variant", "xml|short|long", "Quick camera: settings variant (default xml).", Group::Camera,
     Kind::Text, "settingsVariant"},
    {"password", "TEXT", "Quick camera: administrator password (default 2580).", Group::Settings,
     Kind::Text, "password"},
    {"auth", "none|basic|digest", "Quick camera: web authentication (default none).", Group::Http,
     Kind::Text, "auth"},
    {"fps", "N", "Quick camera: pictures per second, 0 as fast as read (default 10).", Group::Http,
     Kind::Number, "fps"},
    {"size", "WxH", "Quick camera: picture size (default 640x480).", Group::Http, Kind::NumberPair,
     "width", "height", 'x'},
}};

// A number where the text is one, else the text, which the reader then reports.
QJsonValue numberOrText(const QString& text) {
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    return isNumber ? QJsonValue(number) : QJsonValue(text);
}

// Where the scenario reader's messages place the option's key.
std::string pathOf(Group group, const char* key) {
    if (key == nullptr) {
        return {};
    }
    const char* prefix = group == Group::Settings ? "settings."
                         : group == Group::Http   ? "http."
                                                  : "";
    return std::string(prefix) + key;
}

QString optionName(const QuickOption& option) {
    return QString::fromLatin1(option.name);
}

void putOption(QJsonObject& object, const QuickOption& option, const QString& value) {
    if (option.kind == Kind::Text) {
        object.insert(QLatin1String(option.key), value);
    } else if (option.kind == Kind::Number) {
        object.insert(QLatin1String(option.key), numberOrText(value));
    } else {
        const QStringList parts = value.split(QLatin1Char(option.separator));
        object.insert(QLatin1String(option.key), numberOrText(parts.value(0)));
        object.insert(QLatin1String(option.secondKey),
                      numberOrText(parts.size() == 2 ? parts.value(1) : QString()));
    }
}

QJsonObject quickCameraObject(const QCommandLineParser& parser) {
    QJsonObject camera{{QStringLiteral("mac"), QStringLiteral("02:56:49:00:00:01")},
                       {QStringLiteral("ip"), QStringLiteral("127.0.0.2")},
                       {QStringLiteral("name"), QStringLiteral("Test camera")}};
    QJsonObject settings;
    QJsonObject http;
    for (const QuickOption& option : kQuickOptions) {
        if (parser.isSet(optionName(option))) {
            QJsonObject& group = option.group == Group::Camera     ? camera
                                 : option.group == Group::Settings ? settings
                                                                   : http;
            putOption(group, option, parser.value(optionName(option)));
        }
    }
    camera.insert(QStringLiteral("settings"), settings);
    camera.insert(QStringLiteral("http"), http);
    return camera;
}

} // namespace

void addQuickCameraOptions(QCommandLineParser& parser) {
    for (const QuickOption& option : kQuickOptions) {
        parser.addOption(QCommandLineOption(optionName(option),
                                            QString::fromLatin1(option.description),
                                            QString::fromLatin1(option.valueName)));
    }
}

bool quickCameraRequested(const QCommandLineParser& parser) {
    for (const QuickOption& option : kQuickOptions) {
        if (parser.isSet(optionName(option))) {
            return true;
        }
    }
    return false;
}

ScenarioReading quickCamera(const QCommandLineParser& parser) {
    ScenarioReading reading = readCamera(quickCameraObject(parser), "");
    for (const QuickOption& option : kQuickOptions) {
        for (const char* key : {option.key, option.secondKey}) {
            const std::string path = pathOf(option.group, key) + ": ";
            if (key != nullptr && reading.error.rfind(path, 0) == 0) {
                reading.error =
                    "--" + std::string(option.name) + ": " + reading.error.substr(path.size());
            }
        }
    }
    return reading;
}

} // namespace vistrel::camsim
