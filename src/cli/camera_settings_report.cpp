#include "cli/camera_settings_report.h"

#include "config/decimal_text.h"
#include "config/wireless_tab.h"
#include "platform/camera_text.h"
#include "protocol/address_text.h"
#include "protocol/settings_records.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <utility>
#include <vector>

namespace vistrel {

namespace {

using Line = std::pair<QString, QString>;

// The camera's code as a word, or the code itself when it has none.
std::string wordOf(const std::string& code,
                   std::initializer_list<std::pair<std::string_view, std::string_view>> words) {
    for (const auto& [known, word] : words) {
        if (code == known) {
            return std::string(word);
        }
    }
    return code;
}

WirelessReport wirelessReportOf(const CameraConfiguration& config) {
    const SettingsPanel& panel = config.panel;
    WirelessReport wireless;
    wireless.enabled = panel.RadioButton_Enable.checked;
    wireless.ssid = panel.MEMO_SETTING_SSID_EDIT.text;
    wireless.channel = leadingInteger(config.wlan.channel);
    wireless.security = wordOf(config.wlan.auth,
                               {{"0", "none"}, {"2", "wep"}, {"3", "wpa-psk"}, {"4", "wpa2-psk"}});
    wireless.cipher =
        wordOf(config.wlan.encryption, {{"0", "none"}, {"1", "wep"}, {"2", "tkip"}, {"3", "aes"}});
    switch (panel.ComboBox_SS.itemIndex) {
    case kSecurityWep:
        wireless.keySet = !panel.MEMO_SETTING_EDIT_WEP.text.empty();
        break;
    case kSecurityWpa:
    case kSecurityWpa2:
        wireless.keySet = !panel.MEMO_SETTING_EDIT_WPA.text.empty();
        break;
    default:
        break;
    }
    return wireless;
}

std::string formOf(const TDeviceItem& camera) {
    if (camera.xmlMode) {
        return "xml";
    }
    return usesShortSettingsLayout(camera.modelCode) ? "short" : "long";
}

QString text(const std::string& cameraText) {
    return fromCameraText(cameraText);
}

QString yesNo(bool value, const char* yes, const char* no) {
    return QString::fromLatin1(value ? yes : no);
}

QString aligned(const std::vector<Line>& lines) {
    qsizetype width = 0;
    for (const auto& [label, value] : lines) {
        width = std::max(width, label.size());
    }
    QString output;
    for (const auto& [label, value] : lines) {
        output +=
            (value.isEmpty() ? label : label.leftJustified(width + 2) + value) + QLatin1Char('\n');
    }
    return output;
}

std::vector<Line> wirelessLines(const WirelessReport& wireless) {
    const QString channel =
        wireless.channel == 0 ? QStringLiteral("automatic") : QString::number(wireless.channel);
    return {{QStringLiteral("Wireless"), yesNo(wireless.enabled, "on", "off")},
            {QStringLiteral("  SSID"), text(wireless.ssid)},
            {QStringLiteral("  Channel"), channel},
            {QStringLiteral("  Security"), text(wireless.security)},
            {QStringLiteral("  Cipher"), text(wireless.cipher)},
            {QStringLiteral("  Key"), yesNo(wireless.keySet, "set", "not set")}};
}

QJsonObject wirelessJson(const WirelessReport& wireless) {
    return {{QStringLiteral("enabled"), wireless.enabled},
            {QStringLiteral("ssid"), text(wireless.ssid)},
            {QStringLiteral("channel"), wireless.channel},
            {QStringLiteral("security"), text(wireless.security)},
            {QStringLiteral("cipher"), text(wireless.cipher)},
            {QStringLiteral("keySet"), wireless.keySet}};
}

QString interfaceText(const CameraSettingsReport& report) {
    return report.interfaceName.empty() ? QStringLiteral("not known")
                                        : QString::fromLocal8Bit(report.interfaceName.c_str());
}

// "ok", or "outside" with the networks the camera's address should be in.
QString networkText(const CameraSettingsReport& report) {
    if (report.inSubnet) {
        return QStringLiteral("ok");
    }
    return QStringLiteral("outside (%1 is on %2)")
        .arg(interfaceText(report), QString::fromLocal8Bit(report.interfaceNetworks.c_str()));
}

QByteArray indented(const QJsonObject& object) {
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

} // namespace

CameraSettingsReport settingsReportOf(const CameraConfiguration& config) {
    const TDeviceItem& camera = config.camera;
    CameraSettingsReport report;
    report.mac = camera.macText;
    report.ip = removeBlanks(camera.ipText);
    report.netmask = removeBlanks(camera.netmaskText);
    report.gateway = removeBlanks(camera.gatewayText);
    report.dns = removeBlanks(camera.dnsText);
    report.dhcp = camera.dhcpFlag != 0;
    report.webPort = camera.webPort;
    report.name = camera.cameraName;
    report.model = camera.modelName;
    report.modelCode = camera.modelCode;
    report.form = formOf(camera);
    if (report.form == "long") {
        report.firmware = camera.firmwareVersion;
    }
    if (camera.xmlMode) {
        report.wireless = wirelessReportOf(config);
    }
    return report;
}

CameraSettingsReport settingsReportOf(const CameraConfiguration& config, const CameraListRow& row) {
    CameraSettingsReport report = settingsReportOf(config);
    report.interfaceName = row.interfaceName;
    report.interfaceNetworks = row.interfaceNetworks;
    report.inSubnet = row.inSubnet;
    return report;
}

QString formatSettingsText(const CameraSettingsReport& report) {
    std::vector<Line> lines{
        {QStringLiteral("MAC"), text(report.mac)},
        {QStringLiteral("IP"), text(report.ip)},
        {QStringLiteral("Netmask"), text(report.netmask)},
        {QStringLiteral("Gateway"), text(report.gateway)},
        {QStringLiteral("DNS"), text(report.dns)},
        {QStringLiteral("DHCP"), yesNo(report.dhcp, "yes", "no")},
        {QStringLiteral("Web port"), QString::number(report.webPort)},
        {QStringLiteral("Name"), text(report.name)},
        {QStringLiteral("Model"), text(report.model)},
        {QStringLiteral("Model code"), QString::number(report.modelCode)},
        {QStringLiteral("Firmware"),
         report.firmware.empty() ? QStringLiteral("not reported") : text(report.firmware)},
        {QStringLiteral("Form"), text(report.form)},
        {QStringLiteral("Interface"), interfaceText(report)},
        {QStringLiteral("Network"), networkText(report)},
    };
    if (report.wireless) {
        const std::vector<Line> wireless = wirelessLines(*report.wireless);
        lines.insert(lines.end(), wireless.begin(), wireless.end());
    }
    return aligned(lines);
}

QByteArray formatSettingsJson(const CameraSettingsReport& report) {
    QJsonObject object{
        {QStringLiteral("mac"), text(report.mac)},
        {QStringLiteral("ip"), text(report.ip)},
        {QStringLiteral("netmask"), text(report.netmask)},
        {QStringLiteral("gateway"), text(report.gateway)},
        {QStringLiteral("dns"), text(report.dns)},
        {QStringLiteral("dhcp"), report.dhcp},
        {QStringLiteral("webPort"), report.webPort},
        {QStringLiteral("name"), text(report.name)},
        {QStringLiteral("model"), text(report.model)},
        {QStringLiteral("modelCode"), report.modelCode},
        {QStringLiteral("firmware"),
         report.firmware.empty() ? QJsonValue() : QJsonValue(text(report.firmware))},
        {QStringLiteral("form"), text(report.form)},
        {QStringLiteral("interface"),
         report.interfaceName.empty() ? QJsonValue() : QJsonValue(interfaceText(report))},
        {QStringLiteral("inSubnet"), report.inSubnet},
        {QStringLiteral("wireless"),
         report.wireless ? QJsonValue(wirelessJson(*report.wireless)) : QJsonValue()},
    };
    return indented(object);
}

QString formatWhereaboutsText(const CameraWhereabouts& whereabouts) {
    return aligned({{QStringLiteral("MAC"), text(whereabouts.mac)},
                    {QStringLiteral("IP"), text(whereabouts.ip)},
                    {QStringLiteral("Name"), text(whereabouts.name)}});
}

QByteArray formatWhereaboutsJson(const CameraWhereabouts& whereabouts) {
    return indented({{QStringLiteral("mac"), text(whereabouts.mac)},
                     {QStringLiteral("ip"), text(whereabouts.ip)},
                     {QStringLiteral("name"), text(whereabouts.name)}});
}

} // namespace vistrel
