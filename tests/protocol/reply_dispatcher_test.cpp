#include "protocol/reply_dispatcher.h"
#include "support/datagram_fixtures.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vistrel {
namespace {

// Notes which handler saw which reply.
class RecordingHandler : public ReplyHandler {
public:
    std::vector<std::string> seen;

    void onDiscoveryReply(const DiscoveryReply& reply) override {
        seen.push_back("discovery " + formatMacText(reply.mac));
    }
    void onSettingsReply(Bytes datagram) override {
        seen.push_back("settings " + std::to_string(datagram.size()));
    }
    void onWirelessRecordReply(const WirelessRecord&) override { seen.push_back("wireless"); }
    void onSiteSurveyReply(const std::vector<SiteSurveyEntry>& entries) override {
        seen.push_back("survey " + std::to_string(entries.size()));
    }
    void onStatusReply(ReplyCode code, std::uint8_t status) override {
        seen.push_back("status " + std::to_string(static_cast<int>(code)) + " " +
                       std::to_string(status));
    }
};

const MacAddress kSelected{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
const MacAddress kOther{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5f};
const std::string kSelectedText = "00:1a:2b:3c:4d:5e";

std::vector<std::string> dispatch(const std::vector<std::uint8_t>& datagram,
                                  const std::string& selectedMacText = kSelectedText) {
    RecordingHandler handler;
    decodeReply(datagram, selectedMacText, handler);
    return handler.seen;
}

using Seen = std::vector<std::string>;

TEST(ReplyDispatcher, SettingsAndStatusRepliesCountOnlyForTheSelectedCamera) {
    for (const std::uint8_t code : {0x02, 0x26, 0x28, 0x30}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(dispatch(test::reply(kSelected, code, {0x01})).size(), 1u);
        EXPECT_TRUE(dispatch(test::reply(kOther, code, {0x01})).empty());
        EXPECT_TRUE(dispatch(test::reply(kSelected, code, {0x01}), "").empty());
        // The MAC text is compared exactly, case included.
        EXPECT_TRUE(dispatch(test::reply({0, 0x1A, 0x2B, 0x3C, 0x4D, 0xAE}, code, {0x01}),
                             "00:1A:2B:3C:4D:AE")
                        .empty());
    }
    EXPECT_EQ(dispatch(test::reply(kSelected, 0x30, {0x02})), Seen{"status 48 2"});
    EXPECT_EQ(dispatch(test::reply(kSelected, 0x02, std::vector<std::uint8_t>(388))),
              Seen{"settings 398"});
}

TEST(ReplyDispatcher, DiscoverySurveyAndWirelessRepliesNeedNoSelection) {
    EXPECT_EQ(dispatch(test::discoveryReply(), ""), Seen{"discovery 00:1a:2b:3c:4d:5e"});
    EXPECT_EQ(dispatch(test::reply(kOther, 0x09), ""), Seen{"wireless"});
    EXPECT_EQ(dispatch(test::reply(kOther, 0x0A, std::vector<std::uint8_t>(110)), ""),
              Seen{"survey 2"});
}

TEST(ReplyDispatcher, DropsRequestsAndUnknownCodesButNotWrongCheckWords) {
    auto ownBroadcast = test::discoveryReply();
    ownBroadcast[6] = 0x00;
    EXPECT_TRUE(dispatch(ownBroadcast).empty());

    auto unknown = test::discoveryReply();
    unknown[6] = 0x80;
    unknown[7] = 0x05;
    EXPECT_TRUE(dispatch(unknown).empty());

    auto wrongCheckWord = test::discoveryReply();
    wrongCheckWord[6] = 0x80;
    wrongCheckWord[8] = 0x12;
    wrongCheckWord[9] = 0x34;
    EXPECT_EQ(dispatch(wrongCheckWord).size(), 1u);
}

} // namespace
} // namespace vistrel
