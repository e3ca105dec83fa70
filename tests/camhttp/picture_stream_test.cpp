// The picture stream client against scripted cameras over real sockets: the request, the
// authentication exchange, refusals, hostile answers, bounded waits and interrupt(). Runs
// inside the private network namespace of scripts/netns.

#include "base/base64.h"
#include "base/md5.h"
#include "camhttp/picture_stream.h"
#include "support/private_network.h"
#include "support/scripted_camera.h"

#include <gtest/gtest.h>
#include <random>
#include <thread>

namespace vistrel {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using test::answer;
using test::answerAndWait;
using test::kStreamHeader;
using test::ScriptedHttpServer;
using test::ScriptedPeer;
using test::streamPart;
using test::targetOf;
using test::unauthorized;

std::string text(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

// The quoted value of a parameter of a request's "Authorization: Digest" line.
std::string digestParameter(const std::string& request, const std::string& key) {
    const std::size_t line = request.find("Authorization: Digest ");
    const std::string text = request.substr(line, request.find("\r\n", line) - line);
    const std::size_t at = text.find(' ' + key + "=\"");
    if (line == std::string::npos || at == std::string::npos) {
        return {};
    }
    const std::size_t open = at + key.size() + 3;
    return text.substr(open, text.find('"', open) - open);
}

std::string md5Hex(const std::string& text) {
    return md5HexLower(md5Of(text));
}

class PictureStreamTest : public ::testing::Test {
protected:
    void SetUp() override { VISTREL_REQUIRE_PRIVATE_NETWORK(); }
};

TEST_F(PictureStreamTest, OpensWithoutAuthenticationAndReadsPictures) {
    ScriptedHttpServer server(
        {answer(kStreamHeader + streamPart("first") + streamPart("") + streamPart("third"))});
    ASSERT_TRUE(server.listening());
    PictureStream stream;
    ASSERT_EQ(stream.open(targetOf(server)), StreamOpening::Opened);
    std::vector<std::uint8_t> picture;
    for (const char* expected : {"first", "", "third"}) {
        ASSERT_EQ(stream.readFrame(picture), FrameStatus::Picture);
        EXPECT_EQ(text(picture), expected);
    }
    EXPECT_EQ(stream.readFrame(picture), FrameStatus::Closed);
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0], "GET /snapshot.cgi HTTP/1.1\r\nHost: 127.0.0.1:" +
                                        std::to_string(server.port()) + "\r\n\r\n");
}

TEST_F(PictureStreamTest, AnswersABasicChallengeOnANewConnection) {
    ScriptedHttpServer server(
        {answer(unauthorized(test::kBasicChallenge)), answer(kStreamHeader + streamPart("jpeg"))});
    PictureStream stream;
    ASSERT_EQ(stream.open(targetOf(server, "s3cret:\xe9")), StreamOpening::Opened);
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].find("Authorization"), std::string::npos);
    EXPECT_NE(
        requests[1].find("\r\nAuthorization: Basic " + base64Encode("admin:s3cret:\xe9") + "\r\n"),
        std::string::npos)
        << requests[1];
    EXPECT_NE(requests[1].find("\r\nHost: 127.0.0.1:"), std::string::npos);
    std::vector<std::uint8_t> picture;
    EXPECT_EQ(stream.readFrame(picture), FrameStatus::Picture);
    EXPECT_EQ(text(picture), "jpeg");
}

TEST_F(PictureStreamTest, AnswersADigestChallengeWithTheRightResponse) {
    ScriptedHttpServer server(
        {answer(unauthorized(test::kDigestChallenge)), answer(kStreamHeader)});
    PictureStream stream;
    ASSERT_EQ(stream.open(targetOf(server, "Lounge-7")), StreamOpening::Opened);
    ASSERT_EQ(server.requests().size(), 2u);
    const std::string request = server.requests()[1];
    const auto p = [&](const char* key) { return digestParameter(request, key); };
    EXPECT_EQ(p("username"), "admin");
    EXPECT_EQ(p("realm"), "Vistrel camera");
    EXPECT_EQ(p("nonce"), "5c0ffee5");
    EXPECT_EQ(p("uri"), "/snapshot.cgi");
    EXPECT_EQ(p("qop"), "auth");
    const std::string ha1 = md5Hex("admin:Vistrel camera:Lounge-7");
    const std::string ha2 = md5Hex("GET:/snapshot.cgi");
    EXPECT_EQ(p("response"),
              md5Hex(ha1 + ":5c0ffee5:" + p("nc") + ":" + p("cnonce") + ":auth:" + ha2));
}

TEST_F(PictureStreamTest, RefusalsAndOtherAnswers) {
    std::string longHeader = "HTTP/1.1 200 OK\r\n";
    for (int i = 0; i < 20; ++i) {
        longHeader += "X-Header-" + std::to_string(i) + ": " + std::string(60, 'h') + "\r\n";
    }
    const struct {
        const char* name;
        std::vector<ScriptedHttpServer::Script> scripts;
        StreamOpening expected;
        int connections;
        int statusCode;
        bool retryAnswers = false; // the second request carries an Authorization line
    } cases[] = {
        {"401 without a challenge: asked once more without an answer",
         {answer(unauthorized(""))},
         StreamOpening::Refused,
         2,
         401},
        {"the wrong password",
         {answer(unauthorized(test::kBasicChallenge))},
         StreamOpening::Refused,
         2,
         401,
         true},
        {"another status",
         {answer("HTTP/1.1 404 Not Found\r\n\r\n")},
         StreamOpening::OtherStatus,
         1,
         404},
        {"a header longer than 512 bytes",
         {answer(longHeader + "\r\n")},
         StreamOpening::Opened,
         1,
         200},
        {"a header beyond the limit",
         {answer(longHeader + "X-Big: " + std::string(9000, 'b') + "\r\n\r\n")},
         StreamOpening::OtherStatus,
         1,
         0},
        {"closed without an answer", {answer("")}, StreamOpening::OtherStatus, 1, 0},
        {"not HTTP", {answer("hello\r\n\r\n")}, StreamOpening::OtherStatus, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedHttpServer server(c.scripts);
        PictureStream stream;
        EXPECT_EQ(stream.open(targetOf(server)), c.expected);
        EXPECT_EQ(server.connections(), c.connections);
        EXPECT_EQ(stream.lastStatusCode(), c.statusCode);
        if (c.connections == 2) {
            EXPECT_EQ(server.requests().at(1).find("Authorization") != std::string::npos,
                      c.retryAnswers);
        }
    }
}

TEST_F(PictureStreamTest, HostileStreamsEndWithoutOverrunning) {
    const std::string header = "--frame\r\nContent-Length: ";
    const struct {
        const char* name;
        std::string stream;
        std::vector<FrameStatus> frames;
    } cases[] = {
        {"Content-Length -5",
         streamPart("abcde", "-5") + streamPart("ok"),
         {FrameStatus::Skipped, FrameStatus::Picture, FrameStatus::Closed}},
        {"Content-Length abc",
         streamPart("abc", "abc") + streamPart("ok"),
         {FrameStatus::Skipped, FrameStatus::Picture, FrameStatus::Closed}},
        {"Content-Length 999999999",
         header + "999999999\r\n\r\n" + std::string(100000, 'x'),
         {FrameStatus::Closed}},
        {"a close in the middle of a picture",
         streamPart("ok") + header + "5000\r\n\r\n" + std::string(2000, 'y'),
         {FrameStatus::Picture, FrameStatus::Closed, FrameStatus::Closed}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedHttpServer server({answer(kStreamHeader + c.stream)});
        PictureStream stream;
        ASSERT_EQ(stream.open(targetOf(server)), StreamOpening::Opened);
        std::vector<std::uint8_t> picture;
        for (const FrameStatus expected : c.frames) {
            EXPECT_EQ(stream.readFrame(picture), expected);
            EXPECT_LE(picture.capacity(), 8192u); // never the 999999999 announced
        }
    }
}

TEST_F(PictureStreamTest, SilentAndEndlessHeadersEndWithinTheirBounds) {
    // A header that never ends waits out the receive budget, and no longer.
    {
        HttpLimits limits;
        limits.receiveTimeout = 300ms;
        ScriptedHttpServer server({answerAndWait("HTTP/1.1 200 OK\r\nServer: slow\r\n")});
        PictureStream stream(limits);
        const auto start = Clock::now();
        EXPECT_EQ(stream.open(targetOf(server)), StreamOpening::TimedOut);
        EXPECT_LT(Clock::now() - start, 2s);
    }
    // A header line of many megabytes ends once the header limit is passed, well within the
    // 3000 ms budget.
    {
        const std::string endless = "HTTP/1.1 200 OK\r\nX-Long: " + std::string(32 << 20, 'a');
        ScriptedHttpServer server({[&endless](ScriptedPeer& peer) {
            if (peer.readRequest()) {
                peer.send(endless);
            }
        }});
        PictureStream stream;
        const auto start = Clock::now();
        EXPECT_EQ(stream.open(targetOf(server)), StreamOpening::OtherStatus);
        EXPECT_LT(Clock::now() - start, 2s);
    }
}

TEST_F(PictureStreamTest, PicturesAsFastAsTheSocketTakesThem) {
    constexpr int kPictures = 2000;
    std::vector<std::string> pictures;
    std::mt19937 random(7);
    for (int i = 0; i < kPictures; ++i) {
        std::string picture(1000 + random() % 30000, '\0');
        for (char& c : picture) {
            c = static_cast<char>(random());
        }
        pictures.push_back(std::move(picture));
    }
    ScriptedHttpServer server({[&](ScriptedPeer& peer) {
        if (!peer.readRequest() || !peer.send(kStreamHeader)) {
            return;
        }
        for (const std::string& picture : pictures) {
            if (!peer.send(streamPart(picture))) {
                return;
            }
        }
    }});
    PictureStream stream;
    ASSERT_EQ(stream.open(targetOf(server)), StreamOpening::Opened);
    std::vector<std::uint8_t> picture;
    int read = 0;
    while (stream.readFrame(picture) == FrameStatus::Picture) {
        ASSERT_LT(read, kPictures);
        ASSERT_EQ(text(picture), pictures[static_cast<std::size_t>(read)]);
        ++read;
    }
    EXPECT_EQ(read, kPictures);
}

// Interrupts from another thread once the camera has the request, and gives how long the
// blocked call took from then to return.
template <typename Call>
Clock::duration timeToReturnAfterInterrupt(PictureStream& stream, ScriptedHttpServer& server,
                                           std::size_t requests, Call call) {
    Clock::time_point interrupted;
    std::thread interrupter([&] {
        while (server.requests().size() < requests) {
            std::this_thread::sleep_for(1ms);
        }
        std::this_thread::sleep_for(50ms); // let the call settle into its wait
        interrupted = Clock::now();
        stream.interrupt();
    });
    call();
    const Clock::time_point returned = Clock::now();
    interrupter.join();
    return returned - interrupted;
}

void recordMicroseconds(const char* name, Clock::duration took) {
    const auto microseconds = std::chrono::duration_cast<std::chrono::microseconds>(took);
    ::testing::Test::RecordProperty(name, static_cast<int>(microseconds.count()));
}

TEST_F(PictureStreamTest, InterruptEndsASilentCameraAtOnce) {
    std::vector<std::uint8_t> picture;
    {
        ScriptedHttpServer server({answerAndWait("")});
        PictureStream stream;
        StreamOpening opening = StreamOpening::Opened;
        const auto took = timeToReturnAfterInterrupt(
            stream, server, 1, [&] { opening = stream.open(targetOf(server)); });
        EXPECT_EQ(opening, StreamOpening::Interrupted);
        EXPECT_LT(took, 500ms); // typically well under 1 ms
        recordMicroseconds("openInterruptMicroseconds", took);
    }
    {
        ScriptedHttpServer server({answerAndWait(kStreamHeader)});
        PictureStream stream;
        ASSERT_EQ(stream.open(targetOf(server)), StreamOpening::Opened);
        FrameStatus status = FrameStatus::Picture;
        const auto took = timeToReturnAfterInterrupt(stream, server, 1,
                                                     [&] { status = stream.readFrame(picture); });
        EXPECT_EQ(status, FrameStatus::Interrupted);
        EXPECT_LT(took, 500ms);
        recordMicroseconds("readInterruptMicroseconds", took);
        // Every later call returns at once, also a new opening.
        const auto start = Clock::now();
        EXPECT_EQ(stream.readFrame(picture), FrameStatus::Interrupted);
        EXPECT_EQ(stream.open(targetOf(server)), StreamOpening::Interrupted);
        EXPECT_LT(Clock::now() - start, 100ms);
    }
}

TEST_F(PictureStreamTest, ConnectionFailures) {
    HttpLimits limits;
    limits.connectTimeout = 300ms;
    const struct {
        const char* name;
        StreamTarget target;
        StreamOpening expected;
    } cases[] = {
        {"nothing listens", {"127.0.0.1", 1, "pw"}, StreamOpening::ConnectFailed},
        {"an address that never answers", {"192.0.2.10", 80, "pw"}, StreamOpening::ConnectFailed},
        {"a host that cannot be looked up",
         {"camera.invalid", 80, "pw"},
         StreamOpening::LookupFailed},
        {"no host", {"", 80, "pw"}, StreamOpening::LookupFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PictureStream stream(limits);
        const auto start = Clock::now();
        EXPECT_EQ(stream.open(c.target), c.expected);
        EXPECT_LT(Clock::now() - start, 2s);
        std::vector<std::uint8_t> picture;
        EXPECT_EQ(stream.readFrame(picture), FrameStatus::Closed);
    }
}

} // namespace
} // namespace vistrel
