// The camera's replies byte by byte, against layouts written out by hand, and as the finder's
// own decoders read them.

#include "camera_fixtures.h"
#include "camsim/reply_encoder.h"
#include "camsim/wireless_record.h"
#include "discovery/camera_discovery.h"
#include "protocol/reply_layouts.h"

#include <gtest/gtest.h>

namespace vistrel::camsim {
namespace {

using Datagram = std::vector<std::uint8_t>;

Datagram zeros(std::size_t count) {
    return Datagram(count, 0);
}

Datagram operator+(Datagram a, const Datagram& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Datagram textBytes(std::string_view text) {
    return Datagram(text.begin(), text.end());
}

TEST(DiscoveryReply, EveryByteWhereTheFinderReadsIt) {
    const CameraState camera(test::shortLayoutCamera());
    const Datagram expected = Datagram{0x02, 0x56, 0x49, 0x00, 0x00, 0x01, 0x01, 0x04, 0xFE, 0xFB} +
                              textBytes("Front door") + zeros(22) +    // name, 10..41
                              Datagram{127, 0, 0, 2} + zeros(20) +     // address 42, 46..65
                              Datagram{0, 0, 5, 10, 0, 2, 0, 0, 0, 0}; // 66..75
    EXPECT_EQ(encodeDiscoveryReply(camera), expected);
}

TEST(DiscoveryReply, FinderListsTheCameraWithItsStateAndModel) {
    CameraState camera(test::shortLayoutCamera());
    CameraList list;
    TDeviceItem selected;
    CameraDiscovery discovery(list, selected);
    ASSERT_TRUE(discovery.addDiscoveredCamera(decodeDiscoveryReply(encodeDiscoveryReply(camera))));
    EXPECT_EQ(list.entry(0).state, kStateNew);
    EXPECT_EQ(list.entry(0).model, "VC-210W");
    EXPECT_EQ(list.entry(0).ip, "127.  0.  0.  2");

    camera.markSetUp(); // after command 0x0027 the same camera is listed as set up
    CameraList later;
    CameraDiscovery laterDiscovery(later, selected);
    laterDiscovery.addDiscoveredCamera(decodeDiscoveryReply(encodeDiscoveryReply(camera)));
    EXPECT_EQ(later.entry(0).state, kStateSetUpB2);
}

TEST(StatusReply, HeaderAndStatusByte) {
    const MacAddress mac{0x02, 0x56, 0x49, 0x00, 0x00, 0x01};
    EXPECT_EQ(encodeStatusReply(mac, ReplyCode::DhcpStatus, 1),
              (Datagram{0x02, 0x56, 0x49, 0x00, 0x00, 0x01, 0x01, 0x26, 0xFE, 0xD9, 0x01}));
    EXPECT_EQ(encodeStatusReply(mac, ReplyCode::WpsStatus, 2),
              (Datagram{0x02, 0x56, 0x49, 0x00, 0x00, 0x01, 0x01, 0x30, 0xFE, 0xCF, 0x02}));
}

TEST(SiteSurveyReply, OneFiftyFiveByteEntryPerNetwork) {
    const MacAddress mac{0x02, 0x56, 0x49, 0x00, 0x00, 0x01};
    const std::vector<SurveyedNetwork> networks{
        {"Vistrel Home", "02:aa:00:00:00:01", 82, 6, 6, false}, {"Printer", "", 48, 11, 3, true}};
    const Datagram reply = encodeSiteSurveyReply(mac, networks);
    const Datagram secondEntry =
        textBytes("Printer") + zeros(26) + zeros(18) + Datagram{11, 1, 3, 48};
    ASSERT_EQ(reply.size(), 10u + 2 * 55);
    EXPECT_EQ(reply[7], 0x0A);
    EXPECT_EQ(Datagram(reply.begin() + 65, reply.end()), secondEntry);
    EXPECT_EQ(Datagram(reply.begin() + 43, reply.begin() + 60), textBytes("02:aa:00:00:00:01"));

    const auto decoded = decodeSiteSurveyReply(reply);
    ASSERT_EQ(decoded.size(), 2u);
    EXPECT_EQ(decoded[0].ssid, "Vistrel Home");
    EXPECT_EQ(decoded[0].channel, 6);
    EXPECT_EQ(decoded[0].security, 6);
    EXPECT_EQ(decoded[0].signal, 82);
    EXPECT_EQ(decoded[1].networkType, 1);
}

TEST(WirelessRecordReply, FieldsAtTheOffsetsOfTheWirelessWrite) {
    CameraDescription description = test::xmlCamera();
    description.settings.wireless.channel = "11";
    const CameraState camera(description);
    const Datagram reply = encodeWirelessRecordReply(camera);
    ASSERT_EQ(reply.size(), 301u);
    EXPECT_EQ(Datagram(reply.begin() + 6, reply.begin() + 10), (Datagram{0x01, 0x09, 0xFE, 0xF6}));
    EXPECT_EQ(Datagram(reply.begin() + 10, reply.begin() + 23),
              textBytes("Vistrel Home") + zeros(1));
    EXPECT_EQ(reply[61], 0x11); // channel 11 as the finder writes it
    EXPECT_EQ(reply[62], 2);
    EXPECT_EQ(reply[63], 4);  // AES
    EXPECT_EQ(reply[171], 4); // WPA2-PSK
    EXPECT_EQ(Datagram(reply.begin() + 172, reply.begin() + 185),
              textBytes("garden-party") + zeros(1));
    EXPECT_EQ(reply[237], 0); // no digest text leaves the camera
}

TEST(WirelessRecordReply, ReadsBackAsTheSettingsItCarries) {
    struct Security {
        std::string auth, encryption, wepKey, wpaKey, wepKeyType, wepKeySize;
    };
    const std::vector<Security> cases{{"0", "0", "", "", "0", "0"},
                                      {"2", "1", "1A2B3C4D5E", "", "0", "0"},
                                      {"2", "1", "sesame-street", "", "1", "1"},
                                      {"3", "2", "", "tkip-pass", "0", "0"},
                                      {"4", "3", "", std::string(64, 'f'), "0", "0"}};
    for (const Security& c : cases) {
        SCOPED_TRACE(c.auth + " " + c.wepKey + c.wpaKey);
        CameraDescription description = test::xmlCamera();
        WirelessSettings& w = description.settings.wireless;
        w = {"1",          "1",      "Net",    "13",         c.auth,
             c.encryption, c.wpaKey, c.wepKey, c.wepKeyType, c.wepKeySize};
        const CameraState camera(description);
        const auto read = wirelessSettingsOf(readWirelessRecord(encodeWirelessRecordReply(camera)),
                                             WirelessSettings{});
        ASSERT_TRUE(read) << read.refusal();
        EXPECT_EQ(*read, w);
    }
}

} // namespace
} // namespace vistrel::camsim
