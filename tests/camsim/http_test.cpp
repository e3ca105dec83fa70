// The camera's web server without sockets: reading requests, answering them, and checking the
// answers to its challenges as the finder computes them.

#include "camera_fixtures.h"
#include "camhttp/http_authorization.h"
#include "camhttp/http_challenge.h"
#include "camsim/http_exchange.h"
#include "camsim/http_request.h"

#include <gtest/gtest.h>

namespace vistrel::camsim {
namespace {

HttpRequest requestOf(std::string_view text) {
    HttpRequestReader reader;
    reader.feed(text);
    EXPECT_EQ(reader.state(), HttpRequestReader::State::Complete) << reader.error();
    return reader.request();
}

// The request the finder's snapshot client sends: no headers but its Authorization line.
std::string finderRequest(std::string_view method, std::string_view target,
                          const std::string& authorizationLine = {}) {
    return std::string(method) + " " + std::string(target) + " HTTP/1.1" + authorizationLine +
           "\r\n\r\n";
}

std::uint32_t fixedTicks() {
    return 0x0012abcd;
}

TEST(HttpRequestReading, TakesTheHeadAsItArrives) {
    const std::string text = "GET /camera-cgi/com/ptz.cgi?speed=2&move=left HTTP/1.1\r\n"
                             "Host: 127.0.0.2\r\nAuthorization:  Basic YWRtaW46MjU4MA== \r\n\r\n";
    HttpRequestReader reader;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        ASSERT_EQ(reader.feed(text.substr(i, 1)), HttpRequestReader::State::Incomplete);
    }
    ASSERT_EQ(reader.feed(text.substr(text.size() - 1)), HttpRequestReader::State::Complete);
    const HttpRequest& request = reader.request();
    EXPECT_EQ(request.method, "GET");
    EXPECT_EQ(request.path(), "/camera-cgi/com/ptz.cgi");
    EXPECT_EQ(queryValue(request.query(), "move"), "left");
    EXPECT_EQ(queryValue(request.query(), "tilt"), "");
    EXPECT_EQ(request.header("authorization"), "Basic YWRtaW46MjU4MA==");
}

TEST(HttpRequestReading, RefusesWhatIsNoRequest) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {std::string("\x16\x03\x01\x02\x00\r\n\r\n", 9), "no request line"},
        {"GET\r\n\r\n", "no request line"},
        {"GET snapshot.cgi HTTP/1.1\r\n\r\n", "no request line"},
        {"GET /snapshot.cgi HTTP/9\r\n\r\n", "no request line"},
        {"GET /snapshot.cgi HTTP/1.1\r\nno colon here\r\n\r\n", "malformed header line"},
        {"GET /" + std::string(9000, 'a'), "request head longer than 8192 bytes"},
        {"GET / HTTP/1.1\r\nX: " + std::string(8190, 'b') + "\r\n\r\n",
         "request head longer than 8192 bytes"},
    };
    for (const auto& [text, error] : cases) {
        SCOPED_TRACE(text.substr(0, 40));
        HttpRequestReader reader;
        EXPECT_EQ(reader.feed(text), HttpRequestReader::State::Malformed);
        EXPECT_EQ(reader.error(), error);
    }
}

struct WebServer : ::testing::Test {
    CameraDescription description = test::xmlCamera();
    NonceBook nonces;

    HttpAnswer answer(const std::string& text, CameraState& camera) {
        return answerRequest(requestOf(text), camera, nonces);
    }

    // The finder's exchange: the request, the challenge, the request with its answer.
    HttpAnswer challengeAndAnswer(CameraState& camera, std::string_view password) {
        const HttpAnswer challenge = answer(finderRequest("GET", "/snapshot.cgi"), camera);
        EXPECT_NE(challenge.response.find("HTTP/1.1 401 Unauthorized\r\n"), std::string::npos);
        EXPECT_LT(challenge.response.find("\r\n\r\n"), 512u); // the finder's header buffer
        const HttpChallenge parsed = Parse_Challenge(challenge.response);
        const std::string line = authorizationLine("admin", password, "GET", "/snapshot.cgi",
                                                   parsed, parsed.scheme, fixedTicks);
        return answer(finderRequest("GET", "/snapshot.cgi", line), camera);
    }
};

TEST_F(WebServer, SnapshotBehindEachKindOfAuthentication) {
    for (const HttpAuth auth : {HttpAuth::Basic, HttpAuth::Digest}) {
        SCOPED_TRACE(static_cast<int>(auth));
        description.httpAuth = auth;
        CameraState camera(description);
        const HttpAnswer accepted = challengeAndAnswer(camera, "2580");
        EXPECT_TRUE(accepted.startsStream);
        EXPECT_EQ(accepted.response.substr(0, 17), "HTTP/1.1 200 OK\r\n");
        EXPECT_EQ(accepted.entry.verdict, "answered: 200 picture stream");

        const HttpAnswer refused = challengeAndAnswer(camera, "9999");
        EXPECT_FALSE(refused.startsStream);
        EXPECT_EQ(refused.entry.verdict.substr(0, 12), "refused: 401");
    }
    description.httpAuth = HttpAuth::None;
    CameraState open(description);
    EXPECT_TRUE(answer(finderRequest("GET", "/snapshot.cgi"), open).startsStream);
}

TEST_F(WebServer, DigestChallengeCarriesRealmNonceAndQop) {
    description.httpAuth = HttpAuth::Digest;
    CameraState camera(description);
    const HttpChallenge challenge =
        Parse_Challenge(answer(finderRequest("GET", "/snapshot.cgi"), camera).response);
    EXPECT_EQ(challenge.scheme, AuthScheme::Digest);
    EXPECT_EQ(challenge.realm, "Vistrel camera");
    EXPECT_EQ(challenge.nonce.size(), 32u);
    EXPECT_EQ(challenge.qop, "auth");
}

TEST_F(WebServer, DigestAnswersAreCheckedExactly) {
    description.httpAuth = HttpAuth::Digest;
    CameraState camera(description);
    HttpChallenge challenge{AuthScheme::Digest, "Vistrel camera", nonces.issue(), "auth"};
    const auto attempt = [&](std::string_view user, std::string_view uri, HttpChallenge c) {
        const std::string line =
            authorizationLine(user, "2580", "GET", uri, c, AuthScheme::Digest, fixedTicks);
        return answer(finderRequest("GET", "/snapshot.cgi", line), camera).entry.verdict;
    };
    EXPECT_EQ(attempt("admin", "/snapshot.cgi", challenge), "answered: 200 picture stream");
    HttpChallenge withoutQop = challenge;
    withoutQop.qop.clear(); // the older form of the answer
    EXPECT_EQ(attempt("admin", "/snapshot.cgi", withoutQop), "answered: 200 picture stream");
    EXPECT_EQ(attempt("root", "/snapshot.cgi", challenge), "refused: 401 user \"root\"");
    EXPECT_EQ(attempt("admin", "/other.cgi", challenge),
              "refused: 401 uri \"/other.cgi\" is not the request's");
    HttpChallenge otherRealm = challenge;
    otherRealm.realm = "Elsewhere";
    EXPECT_EQ(attempt("admin", "/snapshot.cgi", otherRealm), "refused: 401 realm \"Elsewhere\"");
    HttpChallenge unknownNonce = challenge;
    unknownNonce.nonce = "00112233445566778899aabbccddeeff";
    EXPECT_EQ(attempt("admin", "/snapshot.cgi", unknownNonce),
              "refused: 401 a nonce this camera did not give");
}

TEST(DigestParameters, QuotedAndPlainValues) {
    const auto p = digestParameters(
        R"(username="admin", realm="a, \"b\"", qop=auth, nc=00000001 , cnonce="x")");
    EXPECT_EQ(p.at("username"), "admin");
    EXPECT_EQ(p.at("realm"), "a, \"b\"");
    EXPECT_EQ(p.at("qop"), "auth");
    EXPECT_EQ(p.at("nc"), "00000001");
    EXPECT_EQ(p.at("cnonce"), "x");
}

TEST_F(WebServer, PanTiltMovesTheViewWithinItsRange) {
    description.httpAuth = HttpAuth::Digest; // pan/tilt still takes Basic credentials
    CameraState camera(description);
    const std::string basic = "\r\nAuthorization: Basic YWRtaW46MjU4MA=="; // admin:2580
    const HttpAnswer moved =
        answer(finderRequest("POST", "/camera-cgi/com/ptz.cgi?move=upleft", basic), camera);
    EXPECT_EQ(moved.response.substr(0, 17), "HTTP/1.1 200 OK\r\n");
    EXPECT_EQ(camera.view().pan(), -1);
    EXPECT_EQ(camera.view().tilt(), -1);
    for (int i = 0; i < 10; ++i) {
        answer(finderRequest("POST", "/camera-cgi/com/ptz.cgi?move=right", basic), camera);
    }
    EXPECT_EQ(camera.view().pan(), ViewPosition::kStepsFromCentre);

    const HttpAnswer wrong =
        answer(finderRequest("POST", "/camera-cgi/com/ptz.cgi?move=up",
                             "\r\nAuthorization: Basic YWRtaW46MTIzNA=="), // admin:1234
               camera);
    EXPECT_EQ(wrong.response.substr(0, 27), "HTTP/1.1 401 Unauthorized\r\n");
    EXPECT_EQ(camera.view().tilt(), -1);
    EXPECT_EQ(answer(finderRequest("POST", "/camera-cgi/com/ptz.cgi?move=sideways", basic), camera)
                  .entry.verdict,
              "refused: 400 unknown direction");
}

TEST_F(WebServer, EverythingElseGetsAnErrorAndTheConnectionCloses) {
    CameraState camera(description);
    const std::vector<std::pair<std::string, std::string>> cases{
        {finderRequest("GET", "/index.html"), "HTTP/1.1 404 Not Found\r\n"},
        {finderRequest("POST", "/snapshot.cgi"), "HTTP/1.1 405 Method Not Allowed\r\n"},
        {finderRequest("GET", "/camera-cgi/com/ptz.cgi?move=up"),
         "HTTP/1.1 405 Method Not Allowed\r\n"},
    };
    for (const auto& [request, status] : cases) {
        SCOPED_TRACE(request);
        const HttpAnswer reply = answer(request, camera);
        EXPECT_FALSE(reply.startsStream);
        EXPECT_EQ(reply.response.substr(0, status.size()), status);
    }
    const HttpAnswer garbage = answerMalformedRequest("\x01garbage", "no request line", camera);
    EXPECT_EQ(garbage.response.substr(0, 24), "HTTP/1.1 400 Bad Request");
    EXPECT_EQ(garbage.entry.verdict, "refused: 400 no request line");
}

} // namespace
} // namespace vistrel::camsim
