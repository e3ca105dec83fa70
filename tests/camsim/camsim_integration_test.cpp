// vistrel-camsim with the demo cameras, and the finder's own code talking to it over real
// sockets in the private network namespace: the finder's listing, its settings writes, its
// snapshot exchange, and input that no camera should take.

#include "base/byte_layout.h"
#include "camhttp/http_authorization.h"
#include "camhttp/http_challenge.h"
#include "protocol/compressed_document.h"
#include "protocol/reply_layouts.h"
#include "protocol/request_templates.h"
#include "protocol/settings_request.h"
#include "support/camsim_process.h"
#include "support/private_network.h"
#include "support/udp_peer.h"
#include "tcp_client.h"

#include <QJsonArray>
#include <QThread>
#include <chrono>
#include <gtest/gtest.h>
#include <set>
#include <turbojpeg.h>

namespace vistrel::camsim {
namespace {

using Datagram = std::vector<std::uint8_t>;

const QString kDemo = QStringLiteral(VISTREL_DEMO_SCENARIO);
const MacAddress kLivingRoom{0x02, 0x56, 0x49, 0x00, 0x00, 0x03}; // long layout, Digest
const MacAddress kGarage{0x02, 0x56, 0x49, 0x00, 0x00, 0x04};     // short layout, Basic
const MacAddress kOffice{0x02, 0x56, 0x49, 0x00, 0x00, 0x05};     // XML, no authentication

template <std::size_t N> Datagram bytesOf(const Request<N>& request) {
    return {request.begin(), request.end()};
}

RequestTemplates templatesFor(const MacAddress& mac) {
    RequestTemplates templates;
    templates.setCameraMac(mac);
    return templates;
}

// The next reply of the camera with this code; other datagrams are passed over.
std::optional<Datagram> awaitReply(vistrel::test::UdpPeer& peer, const MacAddress& mac,
                                   ReplyCode code) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline) {
        const auto datagram = peer.receive(500);
        if (datagram && replyCodeOf(*datagram) == code && macOf(*datagram) == mac) {
            return datagram;
        }
    }
    return std::nullopt;
}

// The camera name of a settings reply, whichever variant it is.
std::string nameInSettingsReply(const Datagram& reply) {
    if (!isXmlSettingsReply(reply)) {
        return readText(reply, 170, 64);
    }
    const std::string document = inflateDocument(Bytes(reply).subspan(84), 1023).value_or("");
    const std::size_t start = document.find("<cameraName>") + 12;
    return document.substr(start, document.find("</cameraName>") - start);
}

struct Picture {
    int width = 0;
    int height = 0;
};

// The picture as TurboJPEG decodes it; zero size when it does not decode.
Picture decoded(const std::vector<std::uint8_t>& jpeg) {
    Picture picture;
    tjhandle decoder = tjInitDecompress();
    int subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(decoder, jpeg.data(), jpeg.size(), &picture.width, &picture.height,
                            &subsampling, &colourspace) == 0) {
        std::vector<std::uint8_t> rgb(3u * picture.width * picture.height);
        if (tjDecompress2(decoder, jpeg.data(), jpeg.size(), rgb.data(), picture.width, 0,
                          picture.height, TJPF_RGB, 0) != 0) {
            picture = {};
        }
    }
    tjDestroy(decoder);
    return picture;
}

// One picture of the stream, read as the finder's Read_Frame does: lines up to the one with
// "Content-Length: ", one more line, then the picture.
std::optional<std::vector<std::uint8_t>> readPicture(test::TcpClient& client) {
    while (const auto line = client.readLine()) {
        const std::size_t at = line->find("Content-Length: ");
        if (at != std::string::npos) {
            const std::size_t length = std::stoul(line->substr(at + 16));
            client.readLine();
            return client.readBytes(length);
        }
    }
    return std::nullopt;
}

// The finder's snapshot opening: the request, and after a 401 a second connection whose
// request answers the challenge. The client that got "200 OK", or nullptr.
std::unique_ptr<test::TcpClient> openSnapshotStream(const char* ip, std::uint16_t port,
                                                    std::string_view password) {
    HttpChallenge challenge;
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto client = std::make_unique<test::TcpClient>(ip, port);
        const std::string line = authorizationLine("admin", password, "GET", "/snapshot.cgi",
                                                   challenge, challenge.scheme);
        if (!client->connected() ||
            !client->send("GET /snapshot.cgi HTTP/1.1" + line + "\r\n\r\n")) {
            return nullptr;
        }
        const std::string header = client->readHeader().value_or("");
        if (header.find("200 OK") != std::string::npos) {
            return client;
        }
        challenge = Parse_Challenge(header);
    }
    return nullptr;
}

struct DemoCameras : ::testing::Test {
    void SetUp() override {
        VISTREL_REQUIRE_PRIVATE_NETWORK();
        camsim = std::make_unique<test::CamsimProcess>(kDemo);
        ASSERT_TRUE(camsim->waitUntilReady()) << camsim->standardError().toStdString();
        udp = std::make_unique<vistrel::test::UdpPeer>(kAdminPort);
        ASSERT_TRUE(udp->bound());
    }

    void broadcast(const Datagram& datagram) { ASSERT_TRUE(udp->broadcast(datagram, kAdminPort)); }

    std::unique_ptr<test::CamsimProcess> camsim;
    std::unique_ptr<vistrel::test::UdpPeer> udp; // the finder's side of the admin port
};

TEST_F(DemoCameras, FinderListsEveryCameraWithItsState) {
    QProcess finder;
    finder.start(QStringLiteral(VISTREL_FINDER_PATH),
                 {QStringLiteral("--list"), QStringLiteral("--json"), QStringLiteral("--wait"),
                  QStringLiteral("1.5")});
    ASSERT_TRUE(finder.waitForFinished(15000));
    ASSERT_EQ(finder.exitCode(), 0) << finder.readAllStandardError().toStdString();
    std::set<std::string> listed;
    for (const QJsonValue& camera :
         QJsonDocument::fromJson(finder.readAllStandardOutput()).array()) {
        const QJsonObject c = camera.toObject();
        listed.insert((c.value(QStringLiteral("mac")).toString() + QLatin1Char(' ') +
                       c.value(QStringLiteral("ip")).toString() + QLatin1Char(' ') +
                       c.value(QStringLiteral("model")).toString() + QLatin1Char(' ') +
                       QString::number(c.value(QStringLiteral("state")).toInt()) +
                       QLatin1Char(' ') + c.value(QStringLiteral("name")).toString())
                          .toStdString());
    }
    EXPECT_EQ(listed, (std::set<std::string>{
                          "02:56:49:00:00:01 127.0.0.2 VC-210W 1 Front door",
                          "02:56:49:00:00:02 127.0.0.3 VN-2000EW 1 Garden",
                          "02:56:49:00:00:03 127.0.0.4 VN-3000E 3 Living room",
                          "02:56:49:00:00:04 127.0.0.5 VC-120 4 Garage",
                          "02:56:49:00:00:05 127.0.0.6 VC-400W 4 Office",
                          "02:56:49:00:00:06 127.0.0.7 VX-6010W 5 Warehouse",
                          "02:56:49:00:00:07 192.0.2.10 VN-3000EW 3 Back yard",
                      }));
}

TEST_F(DemoCameras, SettingsWriteInEachFormShowsInTheNextReplies) {
    const Ipv4Address ip{127, 0, 0, 20};
    ShortSettingsRecord xmlScratch{};
    std::copy(ip.begin(), ip.end(), xmlScratch.begin() + kShortRecordLayout.ip);
    TDeviceItem office;
    office.macText = formatMacText(kOffice);
    office.userName = "admin";
    WlanInfo wlan{"1", "1", "", "11", "0", "0", "0", "3", "4", "", ""};
    const Datagram xml = *buildXmlSettingsDatagram(
        xmlScratch, office, wlan, {"Porch", "Vistrel Office", "", "paper-clips-4-all", "80"});
    ShortSettingsRecord shortRecord{};
    writeText(shortRecord, kShortRecordLayout.name, 32, "Carport");
    std::copy(ip.begin(), ip.end(), shortRecord.begin() + kShortRecordLayout.ip);
    writeBigEndian16(shortRecord, kShortRecordLayout.webPort, 8080);
    frameShortSettingsRecord(shortRecord, kGarage);
    LongSettingsRecord longRecord{};
    writeText(longRecord, kLongRecordLayout.name, 64, "Lounge");
    std::copy(ip.begin(), ip.end(), longRecord.begin() + kLongRecordLayout.ip);
    writeBigEndian16(longRecord, kLongRecordLayout.webPort, 8081);
    frameLongSettingsRecord(longRecord, kLivingRoom, "Lounge-7");

    const std::vector<std::tuple<MacAddress, Datagram, std::string, QString>> writes{
        {kOffice, xml, "Porch", QStringLiteral("0x0022")},
        {kGarage, Datagram(shortRecord.begin(), shortRecord.end()), "Carport",
         QStringLiteral("0x0003")},
        {kLivingRoom, Datagram(longRecord.begin(), longRecord.end()), "Lounge",
         QStringLiteral("0x0003")}};
    for (const auto& [mac, write, name, command] : writes) {
        SCOPED_TRACE(name);
        broadcast(write);
        broadcast(bytesOf(RequestTemplates().DiscoveryRequest));
        const auto discovery = awaitReply(*udp, mac, ReplyCode::Discovery);
        ASSERT_TRUE(discovery);
        EXPECT_EQ(decodeDiscoveryReply(*discovery).name, name);
        EXPECT_EQ(decodeDiscoveryReply(*discovery).ip, ip);
        broadcast(bytesOf(templatesFor(mac).SettingsQuery));
        const auto settings = awaitReply(*udp, mac, ReplyCode::Settings);
        ASSERT_TRUE(settings);
        EXPECT_EQ(nameInSettingsReply(*settings), name);
        EXPECT_EQ(camsim->lastLogLineOf(command).value(QStringLiteral("verdict")).toString(),
                  QStringLiteral("applied"));
    }
    // The web server of the camera went along to its new address.
    auto stream = openSnapshotStream("127.0.0.20", 80, "");
    ASSERT_TRUE(stream);
    EXPECT_TRUE(readPicture(*stream));
}

TEST_F(DemoCameras, BasicAndDigestSnapshotsYieldPictures) {
    const std::vector<std::tuple<const char*, std::uint16_t, const char*>> cameras{
        {"127.0.0.5", 8080, "garage42"}, // Basic
        {"127.0.0.4", 80, "Lounge-7"}};  // Digest
    for (const auto& [ip, port, password] : cameras) {
        SCOPED_TRACE(ip);
        EXPECT_FALSE(openSnapshotStream(ip, port, "wrong-password"));
        auto stream = openSnapshotStream(ip, port, password);
        ASSERT_TRUE(stream);
        for (int i = 0; i < 3; ++i) {
            const auto jpeg = readPicture(*stream);
            ASSERT_TRUE(jpeg);
            const Picture picture = decoded(*jpeg);
            EXPECT_EQ(picture.width, 640);
            EXPECT_EQ(picture.height, 480);
        }
    }
}

TEST(CamsimStreams, AClientThatDoesNotReadHoldsUpNoOther) {
    VISTREL_REQUIRE_PRIVATE_NETWORK();
    test::CamsimProcess camsim(QStringList{QStringLiteral("--fps"), QStringLiteral("30"),
                                           QStringLiteral("--size"), QStringLiteral("1280x960")});
    ASSERT_TRUE(camsim.waitUntilReady()) << camsim.standardError().toStdString();
    auto idle = std::make_unique<test::TcpClient>("127.0.0.2", 80, 4096);
    ASSERT_TRUE(idle->send("GET /snapshot.cgi HTTP/1.1\r\n\r\n"));
    auto first = openSnapshotStream("127.0.0.2", 80, "");
    auto second = openSnapshotStream("127.0.0.2", 80, "");
    ASSERT_TRUE(first && second);
    for (int i = 0; i < 45; ++i) {
        ASSERT_TRUE(readPicture(*first));
        ASSERT_TRUE(readPicture(*second));
    }
    idle.reset();
    QJsonObject idleEnd;
    for (int attempt = 0; attempt < 50 && idleEnd.isEmpty(); ++attempt) {
        QThread::msleep(100); // the camera logs the stream's end once it sees the client gone
        for (const QJsonObject& line : camsim.logLines()) {
            if (line.value(QStringLiteral("verdict")).toString() == QLatin1String("stream ended")) {
                idleEnd = line.value(QStringLiteral("fields")).toObject();
            }
        }
    }
    EXPECT_GT(idleEnd.value(QStringLiteral("skipped")).toInt(), 0);
}

TEST_F(DemoCameras, BadInputIsLoggedAndIgnoredWhileTheCamerasAnswer) {
    Datagram wrongCheckWord = bytesOf(templatesFor(kGarage).SettingsQuery);
    wrongCheckWord[8] = 0x12;
    Datagram unknown = bytesOf(templatesFor(kGarage).SettingsQuery);
    unknown[7] = 0x77;
    Datagram brokenXml = makeRequest(kOffice, AdminCommand::XmlSettingsWrite, 18);
    brokenXml.insert(brokenXml.end(), {0xAC, 0xED, 0x01, 0x02, 0x03});
    writeLittleEndian32(brokenXml, 10, 5);
    for (const Datagram& bad : {Datagram{0x01, 0x02, 0x03}, wrongCheckWord, unknown, brokenXml}) {
        broadcast(bad);
    }
    test::TcpClient garbage("127.0.0.6", 80);
    ASSERT_TRUE(garbage.send(std::string("\x16\x03\x01 not http at all\r\n\r\n")));
    EXPECT_EQ(garbage.readToEnd().substr(0, 24), "HTTP/1.1 400 Bad Request");

    broadcast(bytesOf(RequestTemplates().DiscoveryRequest));
    std::set<MacAddress> answered;
    while (answered.size() < 7) {
        const auto reply = udp->receive(5000);
        ASSERT_TRUE(reply) << "only " << answered.size() << " cameras answered";
        if (replyCodeOf(*reply) == ReplyCode::Discovery) {
            answered.insert(macOf(*reply));
        }
    }
    auto stream = openSnapshotStream("127.0.0.6", 80, "");
    ASSERT_TRUE(stream);
    EXPECT_TRUE(readPicture(*stream));

    std::vector<std::string> verdicts;
    for (const QJsonObject& line : camsim->logLines()) {
        const std::string verdict = line.value(QStringLiteral("verdict")).toString().toStdString();
        if (verdict.rfind("ignored", 0) == 0 || verdict.rfind("refused", 0) == 0) {
            verdicts.push_back(line.value(QStringLiteral("command")).toString().toStdString() +
                               " " + verdict);
        }
    }
    EXPECT_EQ(verdicts,
              (std::vector<std::string>{"(no header) ignored: shorter than the 10-byte header",
                                        "0x0002 refused: check word 0x12FD, expected 0xFFFD",
                                        "0x0077 ignored: unknown command",
                                        "0x0022 refused: the stream does not inflate",
                                        "(unreadable request) refused: 400 no request line"}));
    EXPECT_TRUE(camsim->waitForError("ignored: shorter than the 10-byte header"));
}

} // namespace
} // namespace vistrel::camsim
