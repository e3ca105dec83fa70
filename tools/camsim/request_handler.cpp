#include "camsim/request_handler.h"

#include "camsim/query_commands.h"
#include "camsim/write_commands.h"
#include "protocol/admin_datagram.h"

#include <cstdio>

namespace vistrel::camsim {

namespace {

constexpr std::size_t kQuerySize = 10;

std::string hex16(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(value));
    return text;
}

bool isKnownCommand(std::uint16_t command) {
    switch (static_cast<AdminCommand>(command)) {
    case AdminCommand::SettingsQuery:
    case AdminCommand::FixedSettingsWrite:
    case AdminCommand::Discovery:
    case AdminCommand::WirelessRecordQuery:
    case AdminCommand::SiteSurvey:
    case AdminCommand::XmlSettingsWrite:
    case AdminCommand::WirelessRecordWrite:
    case AdminCommand::DhcpStatusQuery:
    case AdminCommand::Command27:
    case AdminCommand::LinkTest:
    case AdminCommand::WpsStart:
    case AdminCommand::WpsStatusQuery:
        return true;
    }
    return false;
}

bool isQuery(AdminCommand command) {
    switch (command) {
    case AdminCommand::SettingsQuery:
    case AdminCommand::Discovery:
    case AdminCommand::WirelessRecordQuery:
    case AdminCommand::SiteSurvey:
    case AdminCommand::DhcpStatusQuery:
    case AdminCommand::LinkTest:
    case AdminCommand::WpsStatusQuery:
        return true;
    default:
        return false;
    }
}

CommandResult runCommand(CameraState& camera, AdminCommand command, Bytes datagram) {
    switch (command) {
    case AdminCommand::SettingsQuery:
        return answerSettingsQuery(camera);
    case AdminCommand::WirelessRecordQuery:
        return answerWirelessRecordQuery(camera);
    case AdminCommand::SiteSurvey:
        return answerSiteSurvey(camera);
    case AdminCommand::DhcpStatusQuery:
        return answerDhcpStatus(camera);
    case AdminCommand::LinkTest:
        return answerLinkTest(camera);
    case AdminCommand::WpsStatusQuery:
        return answerWpsStatus(camera);
    case AdminCommand::XmlSettingsWrite:
        return applyXmlSettingsWrite(camera, datagram);
    case AdminCommand::FixedSettingsWrite:
        return applyFixedSettingsWrite(camera, datagram);
    case AdminCommand::WirelessRecordWrite:
        return applyWirelessWrite(camera, datagram);
    case AdminCommand::Command27:
        return applySetupMark(camera, datagram);
    case AdminCommand::WpsStart:
        return applyWpsStart(camera, datagram);
    case AdminCommand::Discovery:
        break;
    }
    return answerDiscovery(camera);
}

// The log entry of a reply: its code and the fields a reader looks for first.
LogEntry replyEntry(const CameraState& camera, const std::vector<std::uint8_t>& reply) {
    LogEntry entry;
    entry.direction = "out";
    entry.command = hex16(readBigEndian16(reply, 6));
    entry.camera = camera.macText();
    entry.fields.add("length", reply.size());
    if (static_cast<ReplyCode>(reply[7]) == ReplyCode::Discovery) {
        entry.fields.add("name", camera.settings().name)
            .add("ip", formatDottedDecimal(camera.settings().ip))
            .add("setupFlagA", camera.setupFlagA())
            .add("setupFlagB", camera.description().setupFlagB);
    }
    entry.verdict = "sent";
    return entry;
}

void addReplies(const CameraState& camera, CommandResult& result, RequestOutcome& outcome) {
    for (auto& reply : result.replies) {
        LogEntry entry = replyEntry(camera, reply);
        outcome.replies.push_back({std::move(reply), std::move(entry)});
    }
}

void ignore(RequestOutcome& outcome, const std::string& reason, bool worthReporting = true) {
    outcome.entry.verdict = "ignored: " + reason;
    outcome.worthReporting = worthReporting;
}

void refuse(RequestOutcome& outcome, const std::string& reason) {
    outcome.entry.verdict = "refused: " + reason;
    outcome.worthReporting = true;
}

// A command the cameras know, with the one's complement of it as check word.
bool headerAccepted(std::uint16_t checkWord, std::uint16_t command, RequestOutcome& outcome) {
    if (!isKnownCommand(command)) {
        ignore(outcome, "unknown command");
        return false;
    }
    const auto expected = static_cast<std::uint16_t>(~command);
    if (checkWord != expected) {
        refuse(outcome, "check word " + hex16(checkWord) + ", expected " + hex16(expected));
        return false;
    }
    return true;
}

} // namespace

RequestOutcome RequestHandler::handle(Bytes datagram) {
    RequestOutcome outcome;
    outcome.entry.direction = "in";
    outcome.entry.fields.add("length", datagram.size());
    if (datagram.size() < kHeaderSize) {
        outcome.entry.command = "(no header)";
        ignore(outcome, "shorter than the 10-byte header");
        return outcome;
    }
    if (datagram[6] != 0) {
        outcome.logged = false;
        return outcome;
    }
    const std::uint16_t command = readBigEndian16(datagram, 6);
    outcome.entry.command = hex16(command);
    outcome.entry.camera = formatMacText(macOf(datagram));
    if (headerAccepted(readBigEndian16(datagram, 8), command, outcome)) {
        dispatch(datagram, command, outcome);
    }
    return outcome;
}

void RequestHandler::dispatch(Bytes datagram, std::uint16_t command, RequestOutcome& outcome) {
    const auto adminCommand = static_cast<AdminCommand>(command);
    if (isQuery(adminCommand) && datagram.size() != kQuerySize) {
        outcome.entry.verdict =
            "refused: length " + std::to_string(datagram.size()) + ", expected 10";
        outcome.worthReporting = true;
        return;
    }
    if (adminCommand == AdminCommand::Discovery) {
        answerDiscovery(datagram, outcome);
        return;
    }
    std::size_t index = 0;
    CameraState* camera = cameraWithMac(macOf(datagram), index);
    if (camera == nullptr) {
        ignore(outcome, "no camera with this MAC", false);
        return;
    }
    CommandResult result = runCommand(*camera, adminCommand, datagram);
    outcome.entry.fields.append(result.fields);
    outcome.entry.verdict = result.verdict;
    outcome.worthReporting = result.refused();
    if (result.settingsChanged) {
        outcome.changedCameras.push_back(index);
    }
    addReplies(*camera, result, outcome);
}

void RequestHandler::answerDiscovery(Bytes datagram, RequestOutcome& outcome) {
    const MacAddress target = macOf(datagram);
    for (CameraState& camera : cameras_) {
        if (target == kBroadcastMac || target == camera.mac()) {
            CommandResult result = runCommand(camera, AdminCommand::Discovery, datagram);
            addReplies(camera, result, outcome);
        }
    }
    if (outcome.replies.empty()) {
        ignore(outcome, "no camera with this MAC", false);
        return;
    }
    outcome.entry.verdict = "answered";
}

CameraState* RequestHandler::cameraWithMac(const MacAddress& mac, std::size_t& index) {
    for (index = 0; index < cameras_.size(); ++index) {
        if (cameras_[index].mac() == mac) {
            return &cameras_[index];
        }
    }
    return nullptr;
}

} // namespace vistrel::camsim
