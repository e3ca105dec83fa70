#pragma once
// A camera's settings as the command line prints them, plain for people and as JSON for
// scripts. Built from the configuration state its settings reply left, it holds no password,
// key or digest: only whether a wireless key is set.

#include "config/camera_configuration.h"
#include "discovery/camera_list.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

namespace vistrel {

struct WirelessReport {
    bool enabled = false;
    std::string ssid;
    int channel = 0;      // 0: chosen automatically
    std::string security; // "none", "wep", "wpa-psk", "wpa2-psk", or the camera's code
    std::string cipher;   // "none", "wep", "tkip", "aes", or the camera's code
    bool keySet = false;  // the security mode's key is not empty
};

struct CameraSettingsReport {
    std::string mac;
    std::string ip; // addresses dotted, without blanks
    std::string netmask;
    std::string gateway;
    std::string dns;
    bool dhcp = false;
    int webPort = 0;
    std::string name;
    std::string model;
    int modelCode = 0;
    std::string firmware;                   // empty when the camera's settings form carries none
    std::string form;                       // "xml", "short" or "long"
    std::optional<WirelessReport> wireless; // cameras in XML mode only
    // Where it answered: the interface (empty when not known), that interface's networks, and
    // whether its address lies in one of them.
    std::string interfaceName;
    std::string interfaceNetworks;
    bool inSubnet = true;
};

// The selected camera after its settings reply.
CameraSettingsReport settingsReportOf(const CameraConfiguration& config);
// The same with where its row says it answered.
CameraSettingsReport settingsReportOf(const CameraConfiguration& config, const CameraListRow& row);

// One "Label  value" line per setting.
QString formatSettingsText(const CameraSettingsReport& report);
// An object with the keys mac, ip, netmask, gateway, dns, dhcp, webPort, name, model,
// modelCode, firmware (null when none), form, interface (null when not known) and inSubnet,
// and wireless: null, or an object with the keys enabled, ssid, channel, security, cipher and
// keySet.
QByteArray formatSettingsJson(const CameraSettingsReport& report);

// Where a camera is: after --configure, where it came back.
struct CameraWhereabouts {
    std::string mac;
    std::string ip;
    std::string name;
};

QString formatWhereaboutsText(const CameraWhereabouts& whereabouts);
// An object with the keys mac, ip and name.
QByteArray formatWhereaboutsJson(const CameraWhereabouts& whereabouts);

} // namespace vistrel
