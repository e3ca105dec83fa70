#include "protocol/admin_datagram.h"
#include "protocol/request_templates.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace vistrel {
namespace {

using ByteVector = std::vector<std::uint8_t>;

ByteVector bytesOf(Bytes bytes) {
    return {bytes.begin(), bytes.end()};
}

ByteVector headerOf(Bytes datagram) {
    return {datagram.begin(), datagram.begin() + kHeaderSize};
}

TEST(AdminDatagram, EveryCommandCarriesItsOnesComplementAsCheckWord) {
    const std::vector<std::pair<AdminCommand, std::uint16_t>> cases{
        {AdminCommand::SettingsQuery, 0xFFFD},
        {AdminCommand::FixedSettingsWrite, 0xFFFC},
        {AdminCommand::Discovery, 0xFFFB},
        {AdminCommand::WirelessRecordQuery, 0xFFF6},
        {AdminCommand::SiteSurvey, 0xFFF5},
        {AdminCommand::XmlSettingsWrite, 0xFFDD},
        {AdminCommand::WirelessRecordWrite, 0xFFDC},
        {AdminCommand::DhcpStatusQuery, 0xFFD9},
        {AdminCommand::Command27, 0xFFD8},
        {AdminCommand::LinkTest, 0xFFD7},
        {AdminCommand::WpsStart, 0xFFD6},
        {AdminCommand::WpsStatusQuery, 0xFFCF},
    };
    const MacAddress mac{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
    for (const auto& [command, checkWord] : cases) {
        SCOPED_TRACE(static_cast<int>(command));
        EXPECT_EQ(checkWordOf(command), checkWord);
        const auto code = static_cast<std::uint16_t>(command);
        const ByteVector expected{0x00,
                                  0x1a,
                                  0x2b,
                                  0x3c,
                                  0x4d,
                                  0x5e,
                                  static_cast<std::uint8_t>(code >> 8),
                                  static_cast<std::uint8_t>(code),
                                  static_cast<std::uint8_t>(checkWord >> 8),
                                  static_cast<std::uint8_t>(checkWord)};
        EXPECT_EQ(makeRequest(mac, command), expected);
    }
}

TEST(AdminDatagram, RepliesAreRecognisedByBytesSixAndSeven) {
    struct Case {
        const char* name;
        ByteVector datagram;
        std::optional<ReplyCode> code;
    };
    const std::vector<Case> cases{
        {"own discovery broadcast", bytesOf(RequestTemplates().DiscoveryRequest), std::nullopt},
        {"discovery reply", {0, 0, 0, 0, 0, 0, 0x80, 0x04, 0x12, 0x34}, ReplyCode::Discovery},
        {"unknown code", {0, 0, 0, 0, 0, 0, 0x80, 0x05, 0, 0}, std::nullopt},
        {"WPS status", {0, 0, 0, 0, 0, 0, 0x01, 0x30}, ReplyCode::WpsStatus},
        {"too short for a code", {0, 0, 0, 0, 0, 0, 0x01}, std::nullopt},
        {"empty", {}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(replyCodeOf(c.datagram), c.code);
    }
}

TEST(RequestTemplates, HoldTheirCommandsAndTheSelectedCamerasMac) {
    RequestTemplates templates;
    const MacAddress camera{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
    templates.setCameraMac(camera);

    EXPECT_EQ(bytesOf(templates.DiscoveryRequest),
              makeRequest(kBroadcastMac, AdminCommand::Discovery));
    const std::vector<std::pair<Bytes, AdminCommand>> addressed{
        {templates.SettingsQuery, AdminCommand::SettingsQuery},
        {templates.WirelessRecordQuery, AdminCommand::WirelessRecordQuery},
        {templates.SurveyRequest, AdminCommand::SiteSurvey},
        {templates.DhcpStatusQuery, AdminCommand::DhcpStatusQuery},
        {templates.LinkTestRequest, AdminCommand::LinkTest},
        {templates.WpsStatusRequest, AdminCommand::WpsStatusQuery},
        {templates.Command27Request, AdminCommand::Command27},
        {templates.Command27AuthRequest, AdminCommand::Command27},
        {templates.WpsStartHeader, AdminCommand::WpsStart},
        {templates.WirelessSetHeader, AdminCommand::WirelessRecordWrite},
    };
    for (const auto& [request, command] : addressed) {
        SCOPED_TRACE(static_cast<int>(command));
        EXPECT_EQ(headerOf(request), makeRequest(camera, command));
    }
    EXPECT_EQ(templates.Command27Request.size(), 11u);
    EXPECT_EQ(templates.Command27Request[10], 0x01);
    EXPECT_EQ(templates.Command27AuthRequest.size(), 75u);
    EXPECT_EQ(templates.WpsStartHeader.size(), 74u);
    EXPECT_EQ(templates.WirelessSetHeader.size(), 301u);
}

TEST(RequestTemplates, MainWindowQueriesHoldTheBroadcastMacUntilASelection) {
    const RequestTemplates templates;
    for (const auto& [request, command] : std::vector<std::pair<Bytes, AdminCommand>>{
             {templates.SettingsQuery, AdminCommand::SettingsQuery},
             {templates.WirelessRecordQuery, AdminCommand::WirelessRecordQuery},
             {templates.SurveyRequest, AdminCommand::SiteSurvey},
             {templates.DhcpStatusQuery, AdminCommand::DhcpStatusQuery}}) {
        SCOPED_TRACE(static_cast<int>(command));
        EXPECT_EQ(headerOf(request), makeRequest(kBroadcastMac, command));
    }
    // The wizard's requests address no camera before one is selected.
    EXPECT_EQ(headerOf(templates.LinkTestRequest),
              makeRequest(MacAddress{}, AdminCommand::LinkTest));
}

TEST(RequestTemplates, AuthenticationTextIsZeroPaddedAfterItsThirtyTwoCharacters) {
    RequestTemplates templates;
    const std::string digest(32, 'A');
    templates.setAuthenticationText(digest);

    const auto& command27 = templates.Command27AuthRequest;
    EXPECT_EQ(command27[10], 0x01);
    EXPECT_TRUE(std::all_of(command27.begin() + 11, command27.begin() + 43,
                            [](auto b) { return b == 'A'; }));
    EXPECT_TRUE(
        std::all_of(command27.begin() + 43, command27.end(), [](auto b) { return b == 0; }));
    const auto& wps = templates.WpsStartHeader;
    EXPECT_TRUE(std::all_of(wps.begin() + 10, wps.begin() + 42, [](auto b) { return b == 'A'; }));
    EXPECT_TRUE(std::all_of(wps.begin() + 42, wps.end(), [](auto b) { return b == 0; }));
}

} // namespace
} // namespace vistrel
