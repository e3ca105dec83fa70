#include "camsim/write_commands.h"

#include "camsim/settings_document.h"
#include "camsim/settings_reply.h"
#include "camsim/settings_writes.h"
#include "camsim/wireless_record.h"
#include "protocol/request_templates.h"

#include <utility>

namespace vistrel::camsim {

namespace {

constexpr std::size_t kSetupMarkSize = 11;
constexpr std::size_t kSetupMarkWithDigestSize = 75;
constexpr std::size_t kSetupMarkParameter = 10;
constexpr std::size_t kSetupMarkDigest = 11;
constexpr std::size_t kWpsStartSize = 74;
constexpr std::size_t kWpsStartDigest = 10;

std::string lengthRefusal(std::size_t length, std::size_t expected) {
    return "length " + std::to_string(length) + ", expected " + std::to_string(expected);
}

// Applies settings that passed their checks, unless the camera could then no longer describe
// itself in a settings reply the finder can read.
CommandResult commit(CameraState& camera, CameraSettings next, JsonObject fields) {
    if (camera.description().variant == SettingsVariant::Xml) {
        CameraState trial = camera;
        trial.applySettings(next);
        if (composeReplyDocument(trial).size() > kMaxReplyDocumentSize) {
            return refusedCommand("the settings document would pass 1023 bytes", std::move(fields));
        }
    }
    camera.applySettings(std::move(next));
    return {"applied", std::move(fields), {}, true};
}

CommandResult applyChange(CameraState& camera, const SettingsChange& change, JsonObject fields) {
    const auto next = applySettingsChange(camera.settings(), change,
                                          nameCapacityOf(camera.description().variant));
    if (!next) {
        return refusedCommand(next.refusal(), std::move(fields));
    }
    return commit(camera, *next, std::move(fields));
}

std::string digestAt(Bytes datagram, std::size_t offset) {
    return readText(datagram, offset, kDigestTextFieldSize);
}

} // namespace

CommandResult applyXmlSettingsWrite(CameraState& camera, Bytes datagram) {
    JsonObject fields;
    if (camera.description().variant != SettingsVariant::Xml) {
        return refusedCommand("this camera takes fixed-layout settings");
    }
    const auto document = documentOfXmlWrite(datagram, fields);
    if (!document) {
        return refusedCommand(document.refusal(), std::move(fields));
    }
    const auto change =
        settingsChangeOfDocument(*document, camera.macText(), camera.settings().wireless);
    if (!change) {
        return refusedCommand(change.refusal(), std::move(fields));
    }
    return applyChange(camera, *change, std::move(fields));
}

CommandResult applyFixedSettingsWrite(CameraState& camera, Bytes datagram) {
    const SettingsVariant variant = camera.description().variant;
    if (variant == SettingsVariant::Xml) {
        return refusedCommand("this camera takes XML settings");
    }
    const bool longRecord = variant == SettingsVariant::LongLayout;
    const SettingsRecordLayout& layout = longRecord ? kLongRecordLayout : kShortRecordLayout;
    if (datagram.size() != layout.size) {
        return refusedCommand(lengthRefusal(datagram.size(), layout.size));
    }
    const FixedRecordFields record = readFixedRecord(datagram, layout);
    JsonObject fields = logFieldsOf(record, longRecord);
    if (longRecord && !camera.digestProvesPassword(record.digestText, false)) {
        return refusedCommand("digest text does not match the administrator password",
                              std::move(fields));
    }
    if (record.dhcpFlag > 1) {
        return refusedCommand("DHCP flag " + std::to_string(record.dhcpFlag), std::move(fields));
    }
    return applyChange(camera, changeOfFixedRecord(record, camera), std::move(fields));
}

CommandResult applyWirelessWrite(CameraState& camera, Bytes datagram) {
    if (datagram.size() != kWirelessRecordSize) {
        return refusedCommand(lengthRefusal(datagram.size(), kWirelessRecordSize));
    }
    const WirelessRecordFields record = readWirelessRecord(datagram);
    JsonObject fields;
    fields.add("ssid", record.ssid)
        .add("channel", record.channel)
        .add("cipher", record.cipher)
        .add("keyFormat", record.keyFormat)
        .add("mode", record.mode)
        .add("wepKey", record.wepKey)
        .add("wpaKey", record.wpaKey)
        .add("digest", record.digestText);
    if (!camera.digestProvesPassword(record.digestText, true)) {
        return refusedCommand("digest text proves no password of this camera", std::move(fields));
    }
    const auto wireless = wirelessSettingsOf(record, camera.settings().wireless);
    if (!wireless) {
        return refusedCommand(wireless.refusal(), std::move(fields));
    }
    CameraSettings next = camera.settings();
    next.wireless = *wireless;
    return commit(camera, std::move(next), std::move(fields));
}

CommandResult applySetupMark(CameraState& camera, Bytes datagram) {
    if (datagram.size() != kSetupMarkSize && datagram.size() != kSetupMarkWithDigestSize) {
        return refusedCommand("length " + std::to_string(datagram.size()) + ", expected 11 or 75");
    }
    JsonObject fields;
    fields.add("parameter", datagram[kSetupMarkParameter]);
    const bool withDigest = datagram.size() == kSetupMarkWithDigestSize;
    if (withDigest) {
        fields.add("digest", digestAt(datagram, kSetupMarkDigest));
    }
    if (datagram[kSetupMarkParameter] != 1) {
        return refusedCommand("parameter byte is not 1", std::move(fields));
    }
    if (withDigest && !camera.digestProvesPassword(digestAt(datagram, kSetupMarkDigest), true)) {
        return refusedCommand("digest text proves no password of this camera", std::move(fields));
    }
    camera.markSetUp();
    return {"applied", std::move(fields), {}, false};
}

CommandResult applyWpsStart(CameraState& camera, Bytes datagram) {
    if (datagram.size() != kWpsStartSize) {
        return refusedCommand(lengthRefusal(datagram.size(), kWpsStartSize));
    }
    JsonObject fields;
    fields.add("digest", digestAt(datagram, kWpsStartDigest));
    if (!camera.digestProvesPassword(digestAt(datagram, kWpsStartDigest), true)) {
        return refusedCommand("digest text proves no password of this camera", std::move(fields));
    }
    camera.startWps();
    return {"applied", std::move(fields), {}, false};
}

} // namespace vistrel::camsim
