// The fixed forms of the settings reply.

#include "config/firmware_version.h"
#include "config/settings_reply_application.h"
#include "protocol/address_text.h"

#include <algorithm>

namespace vistrel {

namespace {

// Copies every field the camera expects back into the settings record of the reply's form.
// The record's header, IP address and the long record's digest text are not the reply's; they
// keep what they hold.
template <std::size_t RecordSize>
void copyIntoRecord(const FixedSettingsReply& r, std::array<std::uint8_t, RecordSize>& record) {
    const bool isShort = r.form == FixedReplyForm::Short;
    const auto put = [&](std::size_t shortOffset, std::size_t longOffset, Bytes field) {
        std::copy(field.begin(), field.end(),
                  record.begin() + (isShort ? shortOffset : longOffset));
    };
    const auto byte = [](const std::uint8_t& value) { return Bytes(&value, 1); };
    put(62, 94, r.firstText);
    put(94, 126, r.secondText);
    put(46, 78, r.netmask);
    put(50, 82, r.gateway);
    put(54, 86, r.dns);
    put(58, 90, r.echoedValue);
    put(60, 92, r.webPort);
    put(126, 158, byte(r.byteAt90));
    put(127, 159, r.fiveBytes);
    put(132, 164, r.ssid);
    put(165, 197, r.firstShortKey);
    put(182, 214, r.secondShortKey);
    put(199, 231, byte(r.byteAt168));
    put(200, 232, byte(r.byteAt169));
    put(10, 10, Bytes(r.cameraName).first(isShort ? 32 : 64));
    put(201, 233, byte(r.dhcpFlag));
    put(202, 234, byte(r.byteAfterDhcpFlag));
    put(431, 463, byte(r.keyFormSelector));
    put(432, 464, r.firstLongKey);
    put(480, 512, r.secondLongKey);
    put(528, 560, r.echoedText);
    put(560, 592, r.passwordCredential);
}

void applyFirmwareVersion(CameraConfiguration& config, const std::string& version) {
    config.camera.firmwareVersion = version.empty() ? std::string(kNoFirmwareVersion) : version;
    config.credentials.ExtendedSecurityModes = hasExtendedSecurityModes(
        config.camera.modelCode, firmwareVersionNumber(config.camera.firmwareVersion));
}

} // namespace

void applyFixedSettingsReply(CameraConfiguration& config, const FixedSettingsReply& reply) {
    TDeviceItem& camera = config.camera;
    camera.cameraName = reply.cameraNameText();
    const std::string credential = reply.passwordCredentialText();
    if (credential.empty()) {
        return;
    }
    camera.passwordCredential = credential;
    config.credentials.credentialCopy = credential;
    config.credentials.credentialSourceMac = camera.macText;
    if (reply.form == FixedReplyForm::Short) {
        copyIntoRecord(reply, config.shortRecord);
    } else {
        copyIntoRecord(reply, config.longRecord);
    }
    camera.netmaskText = formatIpText(reply.netmask);
    camera.gatewayText = formatIpText(reply.gateway);
    camera.dnsText = formatIpText(reply.dns);
    camera.webPort = reply.webPortNumber();
    camera.dhcpFlag = reply.dhcpFlag;
    if (reply.form == FixedReplyForm::Long) {
        applyFirmwareVersion(config, reply.firmwareVersion);
    }
    camera.xmlMode = false;
}

} // namespace vistrel
