// Requests as the finder builds them, through the cameras' request handling: what is applied
// shows in the next replies; what is malformed or unproven changes nothing.

#include "base/byte_layout.h"
#include "camera_fixtures.h"
#include "camsim/request_handler.h"
#include "protocol/compressed_document.h"
#include "protocol/password_digest.h"
#include "protocol/reply_layouts.h"
#include "protocol/request_templates.h"
#include "protocol/settings_request.h"

#include <gtest/gtest.h>

namespace vistrel::camsim {
namespace {

using Datagram = std::vector<std::uint8_t>;

constexpr std::size_t kXml = 0;
constexpr std::size_t kShort = 1;
constexpr std::size_t kLong = 2;

// What the finder's settings panel holds when the user confirms new settings.
struct NewSettings {
    std::string name = "Porch";
    Ipv4Address ip{127, 0, 0, 9};
    std::string password;               // empty: keep the current one
    std::string proofPassword = "2580"; // typed at login; proves the password in long records
};

Datagram xmlWrite(const MacAddress& mac, const NewSettings& s) {
    ShortSettingsRecord record{};
    std::copy(s.ip.begin(), s.ip.end(), record.begin() + kShortRecordLayout.ip);
    const Ipv4Address netmask{255, 0, 0, 0};
    std::copy(netmask.begin(), netmask.end(), record.begin() + kShortRecordLayout.netmask);
    writeText(record, kShortRecordLayout.password, kRecordPasswordSize, s.password);
    TDeviceItem camera;
    camera.macText = formatMacText(mac);
    camera.userName = "admin";
    WlanInfo wlan{"1", "1", "", "6", "0", "0", "0", "3", "4", "", ""};
    return *buildXmlSettingsDatagram(record, camera, wlan,
                                     {s.name, "Home", "", "wpa-secret", "80"});
}

template <typename Record>
void fillRecord(Record& record, const SettingsRecordLayout& layout, const NewSettings& s) {
    writeText(record, layout.name, layout.nameSize, s.name);
    std::copy(s.ip.begin(), s.ip.end(), record.begin() + static_cast<long>(layout.ip));
    writeBigEndian16(record, layout.webPort, 80);
    writeText(record, layout.password, kRecordPasswordSize, s.password);
}

Datagram shortWrite(const MacAddress& mac, const NewSettings& s) {
    ShortSettingsRecord record{};
    fillRecord(record, kShortRecordLayout, s);
    frameShortSettingsRecord(record, mac);
    return {record.begin(), record.end()};
}

Datagram longWrite(const MacAddress& mac, const NewSettings& s) {
    LongSettingsRecord record{};
    fillRecord(record, kLongRecordLayout, s);
    frameLongSettingsRecord(record, mac, s.proofPassword);
    return {record.begin(), record.end()};
}

// The wireless write as the wizard lays it out: WPA2 with AES on channel 11.
Datagram wirelessWrite(const MacAddress& mac, std::string_view provenPassword,
                       std::string_view key = "long-enough-key") {
    RequestTemplates templates;
    templates.setCameraMac(mac);
    Datagram record(templates.WirelessSetHeader.begin(), templates.WirelessSetHeader.end());
    writeText(record, 10, 33, "Upstairs");
    record[61] = 0x11;
    record[62] = 2;
    record[63] = 4;
    record[171] = 4;
    writeText(record, 172, 65, key);
    writeText(record, 237, 64, passwordDigestText(mac, provenPassword));
    return record;
}

template <std::size_t N> Datagram bytesOf(const Request<N>& request) {
    return {request.begin(), request.end()};
}

struct RequestHandling : ::testing::Test {
    std::vector<CameraState> cameras{CameraState(test::xmlCamera()),
                                     CameraState(test::shortLayoutCamera()),
                                     CameraState(test::longLayoutCamera())};
    RequestHandler handler{cameras};

    const MacAddress& mac(std::size_t camera) const { return cameras[camera].mac(); }

    RequestTemplates templatesFor(std::size_t camera) const {
        RequestTemplates templates;
        templates.setCameraMac(mac(camera));
        return templates;
    }

    // The one reply of the camera to a request.
    Datagram replyTo(const Datagram& request, std::size_t camera) {
        for (auto& reply : handler.handle(request).replies) {
            if (macOf(reply.datagram) == mac(camera)) {
                return reply.datagram;
            }
        }
        return {};
    }

    DiscoveryReply discovered(std::size_t camera) {
        return decodeDiscoveryReply(replyTo(bytesOf(RequestTemplates().DiscoveryRequest), camera));
    }

    // The camera name as the settings reply reports it.
    std::string reportedName(std::size_t camera) {
        const Datagram reply = replyTo(bytesOf(templatesFor(camera).SettingsQuery), camera);
        if (isXmlSettingsReply(reply)) {
            const auto document = inflateDocument(Bytes(reply).subspan(84), 1023);
            const std::size_t start = document->find("<cameraName>") + 12;
            return document->substr(start, document->find("</cameraName>") - start);
        }
        return readText(reply, 170, 64);
    }

    std::vector<CameraSettings> allSettings() const {
        std::vector<CameraSettings> settings;
        for (const CameraState& camera : cameras) {
            settings.push_back(camera.settings());
        }
        return settings;
    }
};

TEST_F(RequestHandling, DiscoveryIsAnsweredByEveryCamera) {
    const RequestOutcome outcome = handler.handle(bytesOf(RequestTemplates().DiscoveryRequest));
    EXPECT_EQ(outcome.entry.verdict, "answered");
    ASSERT_EQ(outcome.replies.size(), 3u);
    for (std::size_t i = 0; i < cameras.size(); ++i) {
        EXPECT_EQ(macOf(outcome.replies[i].datagram), mac(i));
        EXPECT_EQ(outcome.replies[i].entry.command, "0x0104");
    }
}

TEST_F(RequestHandling, QueriesAreAnsweredByTheAddressedCameraAlone) {
    const RequestOutcome outcome = handler.handle(bytesOf(templatesFor(kShort).SettingsQuery));
    ASSERT_EQ(outcome.replies.size(), 1u);
    EXPECT_EQ(outcome.replies[0].datagram.size(), 398u);
    EXPECT_EQ(macOf(outcome.replies[0].datagram), mac(kShort));
    EXPECT_EQ(replyTo(bytesOf(templatesFor(kLong).SettingsQuery), kLong).size(), 430u);
}

TEST_F(RequestHandling, EachFormOfSettingsWriteShowsInTheNextReplies) {
    const NewSettings settings;
    const std::vector<std::pair<std::size_t, Datagram>> writes{
        {kXml, xmlWrite(mac(kXml), settings)},
        {kShort, shortWrite(mac(kShort), settings)},
        {kLong, longWrite(mac(kLong), settings)}};
    for (const auto& [camera, write] : writes) {
        SCOPED_TRACE(camera);
        const RequestOutcome outcome = handler.handle(write);
        EXPECT_EQ(outcome.entry.verdict, "applied");
        EXPECT_EQ(outcome.changedCameras, std::vector<std::size_t>{camera});
        EXPECT_NE(outcome.entry.fields.text().find("Porch"), std::string::npos);
        EXPECT_EQ(discovered(camera).name, "Porch");
        EXPECT_EQ(discovered(camera).ip, (Ipv4Address{127, 0, 0, 9}));
        EXPECT_EQ(reportedName(camera), "Porch");
    }
}

TEST_F(RequestHandling, MalformedOrUnprovenRequestsChangeNothing) {
    const NewSettings settings;
    NewSettings wrongProof;
    wrongProof.proofPassword = "1234";
    Datagram wrongCheckWord = bytesOf(RequestTemplates().DiscoveryRequest);
    wrongCheckWord[9] ^= 0x01;
    Datagram longQuery = bytesOf(templatesFor(kXml).SettingsQuery);
    longQuery.push_back(0);
    Datagram xml = xmlWrite(mac(kXml), settings);
    Datagram lengthMismatch = xml;
    lengthMismatch.pop_back();
    Datagram noMark = xml;
    noMark[18] = 0x78;
    Datagram brokenStream = xml;
    brokenStream[24] ^= 0xFF;
    Datagram wrongDocumentLength = xml;
    wrongDocumentLength[14] += 1;
    const auto xmlFor = [&](const MacAddress& target, std::string_view document) {
        auto stream = *compressDocument(document);
        Datagram datagram = makeRequest(target, AdminCommand::XmlSettingsWrite, 18);
        writeLittleEndian32(datagram, 10, static_cast<std::uint32_t>(stream.size()));
        writeLittleEndian32(datagram, 14, static_cast<std::uint32_t>(document.size()));
        datagram.insert(datagram.end(), stream.begin(), stream.end());
        return datagram;
    };
    Datagram shortRecord = shortWrite(mac(kShort), settings);
    shortRecord.pop_back();
    Datagram setupMark = bytesOf(templatesFor(kShort).Command27AuthRequest);
    writeText(setupMark, 11, 64, passwordDigestText(mac(kShort), "1234"));
    Datagram wpsStart = bytesOf(templatesFor(kXml).WpsStartHeader);
    wpsStart.pop_back();

    const std::vector<std::tuple<const char*, Datagram, std::string>> cases{
        {"wrong check word", wrongCheckWord, "refused: check word 0xFFFA, expected 0xFFFB"},
        {"query with a byte too many", longQuery, "refused: length 11, expected 10"},
        {"XML: compressed length", lengthMismatch, "refused: compressed length"},
        {"XML: no stream mark", noMark, "refused: no 0xAC 0xED mark"},
        {"XML: broken stream", brokenStream, "refused: the stream does not inflate"},
        {"XML: document length", wrongDocumentLength, "refused: document of"},
        {"XML: not XML", xmlFor(mac(kXml), "cameraName=Porch"), "refused: not an XML document"},
        {"XML: another camera's MAC",
         xmlFor(mac(kXml), "<a><mac>02:56:49:00:00:09</mac><cameraName>x</cameraName></a>"),
         "refused: mac"},
        {"XML: web port", xmlFor(mac(kXml), "<a><webPort>http</webPort></a>"),
         "refused: webPort \"http\" is not valid"},
        {"XML: address", xmlFor(mac(kXml), "<a><ip>127.0.0</ip></a>"), "refused: ip"},
        {"XML: empty name", xmlFor(mac(kXml), "<a><cameraName></cameraName></a>"),
         "refused: empty camera name"},
        {"XML to a fixed-layout camera", xmlWrite(mac(kShort), settings),
         "refused: this camera takes fixed-layout settings"},
        {"short record cut", shortRecord, "refused: length 623, expected 624"},
        {"long record to a short-layout camera", longWrite(mac(kShort), settings),
         "refused: length 720, expected 624"},
        {"fixed record to an XML camera", shortWrite(mac(kXml), settings),
         "refused: this camera takes XML settings"},
        {"long record with a wrong password digest", longWrite(mac(kLong), wrongProof),
         "refused: digest text does not match"},
        {"wireless write with a wrong password digest", wirelessWrite(mac(kXml), "1234"),
         "refused: digest text proves no password"},
        {"wireless write with a short WPA key", wirelessWrite(mac(kXml), "2580", "7-chars"),
         "refused: WPA key of 7 characters"},
        {"set-up mark with a wrong digest", setupMark, "refused: digest text proves no password"},
        {"WPS start cut", wpsStart, "refused: length 73, expected 74"},
    };
    const std::vector<CameraSettings> before = allSettings();
    for (const auto& [label, datagram, verdict] : cases) {
        SCOPED_TRACE(label);
        const RequestOutcome outcome = handler.handle(datagram);
        EXPECT_EQ(outcome.entry.verdict.substr(0, verdict.size()), verdict)
            << outcome.entry.verdict;
        EXPECT_TRUE(outcome.worthReporting);
        EXPECT_TRUE(outcome.replies.empty());
        EXPECT_TRUE(outcome.changedCameras.empty());
    }
    EXPECT_EQ(allSettings(), before);
    EXPECT_EQ(discovered(kShort).setupFlagA, 0);
}

TEST_F(RequestHandling, DatagramsThatAreNoRequestForTheseCameras) {
    const RequestOutcome tooShort = handler.handle(Datagram{0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(tooShort.entry.verdict, "ignored: shorter than the 10-byte header");
    EXPECT_TRUE(tooShort.worthReporting);

    Datagram unknown = makeRequest(mac(kXml), AdminCommand::Discovery);
    writeBigEndian16(unknown, 6, 0x0077);
    writeBigEndian16(unknown, 8, 0xFF88);
    EXPECT_EQ(handler.handle(unknown).entry.verdict, "ignored: unknown command");

    Datagram reply = bytesOf(RequestTemplates().DiscoveryRequest);
    reply[6] = 0x01; // a reply, such as the cameras' own broadcasts coming back
    const RequestOutcome replyOutcome = handler.handle(reply);
    EXPECT_FALSE(replyOutcome.logged);
    EXPECT_TRUE(replyOutcome.replies.empty());

    RequestTemplates elsewhere;
    elsewhere.setCameraMac({0x02, 0x56, 0x49, 0x00, 0x00, 0x63});
    const RequestOutcome other = handler.handle(bytesOf(elsewhere.SettingsQuery));
    EXPECT_EQ(other.entry.verdict, "ignored: no camera with this MAC");
    EXPECT_FALSE(other.worthReporting); // another camera on the network
}

TEST_F(RequestHandling, UnchangedPasswordComesBackAsWhatTheCameraReported) {
    NewSettings settings;
    settings.password = passwordDigestText(mac(kLong), "2580"); // the reported credential
    ASSERT_EQ(handler.handle(longWrite(mac(kLong), settings)).entry.verdict, "applied");
    EXPECT_EQ(cameras[kLong].settings().password, "2580");

    settings.password = "n3w-pass";
    ASSERT_EQ(handler.handle(longWrite(mac(kLong), settings)).entry.verdict, "applied");
    EXPECT_EQ(cameras[kLong].settings().password, "n3w-pass");

    settings.password.clear();
    EXPECT_NE(handler.handle(longWrite(mac(kLong), settings)).entry.verdict, "applied");
    settings.proofPassword = "n3w-pass";
    EXPECT_EQ(handler.handle(longWrite(mac(kLong), settings)).entry.verdict, "applied");
}

TEST_F(RequestHandling, XmlWriteWithoutPasswordKeepsThePassword) {
    NewSettings settings;
    ASSERT_EQ(handler.handle(xmlWrite(mac(kXml), settings)).entry.verdict, "applied");
    EXPECT_EQ(cameras[kXml].settings().password, "2580");
    settings.password = "fresh";
    ASSERT_EQ(handler.handle(xmlWrite(mac(kXml), settings)).entry.verdict, "applied");
    EXPECT_EQ(cameras[kXml].settings().password, "fresh");
    EXPECT_EQ(cameras[kXml].settings().wireless.wpakey, "wpa-secret");
}

TEST_F(RequestHandling, SettingsDocumentTooLongForTheFinderIsRefused) {
    NewSettings settings;
    settings.name = std::string(64, '&'); // 64 bytes, five times that once escaped
    ShortSettingsRecord record{};
    std::copy(settings.ip.begin(), settings.ip.end(), record.begin() + kShortRecordLayout.ip);
    TDeviceItem camera;
    camera.macText = formatMacText(mac(kXml));
    WlanInfo wlan{"1", "1", "", "6", "0", "0", "0", "3", "4", "", ""};
    const auto write = buildXmlSettingsDatagram(
        record, camera, wlan,
        {settings.name, std::string(32, '<'), "", std::string(64, '>'), "80"});
    EXPECT_EQ(handler.handle(*write).entry.verdict,
              "refused: the settings document would pass 1023 bytes");
    EXPECT_EQ(cameras[kXml].settings().name, "Garden");
}

TEST_F(RequestHandling, WirelessWriteProvenWithTheFactoryPassword) {
    cameras[kXml].applySettings([&] {
        CameraSettings s = cameras[kXml].settings();
        s.password = "changed";
        return s;
    }());
    ASSERT_EQ(handler.handle(wirelessWrite(mac(kXml), "2580")).entry.verdict, "applied");
    const WirelessSettings& w = cameras[kXml].settings().wireless;
    EXPECT_EQ(w.ssid, "Upstairs");
    EXPECT_EQ(w.channel, "11");
    EXPECT_EQ(w.auth, "4");
    EXPECT_EQ(w.encryption, "3");
    EXPECT_EQ(w.wpakey, "long-enough-key");
    const Datagram record = replyTo(bytesOf(templatesFor(kXml).WirelessRecordQuery), kXml);
    EXPECT_EQ(readText(record, 10, 33), "Upstairs");
}

TEST_F(RequestHandling, SetupMarkTurnsANewCameraIntoASetUpOne) {
    ASSERT_EQ(discovered(kShort).setupFlagA, 0);
    EXPECT_EQ(handler.handle(bytesOf(templatesFor(kShort).Command27Request)).entry.verdict,
              "applied");
    EXPECT_NE(discovered(kShort).setupFlagA, 0);

    RequestTemplates templates = templatesFor(kXml);
    templates.setAuthenticationText(passwordDigestText(mac(kXml), "2580"));
    EXPECT_EQ(handler.handle(bytesOf(templates.Command27AuthRequest)).entry.verdict, "applied");
}

TEST(StatusReplies, FollowTheBehaviourOfTheScenario) {
    CameraDescription description = test::xmlCamera();
    description.statusReplies = {2, std::nullopt, 1};
    std::vector<CameraState> cameras{CameraState(description)};
    RequestHandler handler(cameras);
    RequestTemplates templates;
    templates.setCameraMac(description.mac);
    templates.setAuthenticationText(passwordDigestText(description.mac, "2580"));
    const auto statusOf = [&](const auto& request) {
        const RequestOutcome outcome = handler.handle(Datagram(request.begin(), request.end()));
        return outcome.replies.empty() ? -1 : outcome.replies[0].datagram.at(10);
    };
    EXPECT_EQ(statusOf(templates.DhcpStatusQuery), 0);
    EXPECT_EQ(statusOf(templates.DhcpStatusQuery), 0);
    EXPECT_EQ(statusOf(templates.DhcpStatusQuery), 1);
    EXPECT_EQ(statusOf(templates.DhcpStatusQuery), 1);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(statusOf(templates.LinkTestRequest), 0); // never confirmed
    }
    EXPECT_EQ(statusOf(templates.WpsStatusRequest), 0); // WPS not started
    handler.handle(Datagram(templates.WpsStartHeader.begin(), templates.WpsStartHeader.end()));
    EXPECT_EQ(statusOf(templates.WpsStatusRequest), 1);
    EXPECT_EQ(statusOf(templates.WpsStatusRequest), 2);
}

} // namespace
} // namespace vistrel::camsim
