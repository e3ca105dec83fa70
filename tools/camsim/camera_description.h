#pragma once
// What a scenario says about one simulated camera: its identity in discovery replies, its
// starting settings, the wireless networks it sees, how its status replies behave and how its
// web server serves pictures.

#include "protocol/address_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vistrel::camsim {

// How the camera answers a settings query.
enum class SettingsVariant { Xml, ShortLayout, LongLayout };

// What a fixed-layout settings reply carries in its password credential field.
enum class PasswordReport { Plain, Digest };

enum class HttpAuth { None, Basic, Digest };

// The wireless settings as the XML settings document carries them: decimal texts.
struct WirelessSettings {
    std::string enable = "0"; // "1" on
    std::string mode = "1";
    std::string ssid;
    std::string channel = "0";    // "0" automatic, "1".."14"
    std::string auth = "0";       // 0 none, 2 WEP, 3 WPA-PSK, 4 WPA2-PSK
    std::string encryption = "0"; // 0 none, 1 WEP, 2 TKIP, 3 AES
    std::string wpakey;
    std::string wepkey1;
    std::string wepkeytype = "0"; // 0 hexadecimal digits, 1 ASCII characters
    std::string wepkeysize = "0"; // 0 64-bit, 1 128-bit

    bool operator==(const WirelessSettings&) const = default;
};

// The settings a settings write can change.
struct CameraSettings {
    std::string name = "Camera";
    bool dhcp = false;
    Ipv4Address ip{127, 0, 0, 2};
    Ipv4Address netmask{255, 0, 0, 0};
    Ipv4Address gateway{127, 0, 0, 1};
    Ipv4Address dns{127, 0, 0, 1};
    std::uint16_t webPort = 80;
    std::string userName = "admin";
    std::string password = "2580";
    WirelessSettings wireless;

    bool operator==(const CameraSettings&) const = default;
};

// One wireless network in the site-survey reply.
struct SurveyedNetwork {
    std::string ssid;
    std::string bssid; // the entry's second text, which the finder does not show
    std::uint8_t signal = 0;
    std::uint8_t channel = 0;
    std::uint8_t security = 0; // the security code of the site-survey entry
    bool adHoc = false;
};

// A status reply turns positive after this many requests have been answered "not yet";
// nullopt: never.
using ReadyAfter = std::optional<unsigned>;

struct StatusBehaviour {
    ReadyAfter dhcp = 0;
    ReadyAfter link = 0;
    ReadyAfter wps = 0;
};

struct PictureSettings {
    int width = 640;
    int height = 480;
    int framesPerSecond = 10; // 0: as fast as the client reads
};

struct CameraDescription {
    MacAddress mac{};
    std::uint8_t vendorCode = 0;
    std::uint8_t modelNumber = 10;
    std::uint8_t deviceClass = 5;
    std::uint8_t setupFlagA = 0;
    std::uint8_t setupFlagB = 2;
    std::uint8_t nameTableSelector = 0;

    SettingsVariant variant = SettingsVariant::Xml;
    PasswordReport passwordReport = PasswordReport::Plain;
    std::string firmwareVersion = "v1.10"; // long-layout replies carry it

    CameraSettings settings;
    std::vector<SurveyedNetwork> networks;
    StatusBehaviour statusReplies;

    HttpAuth httpAuth = HttpAuth::None;
    std::string realm = "Vistrel camera";
    PictureSettings picture;
};

} // namespace vistrel::camsim
