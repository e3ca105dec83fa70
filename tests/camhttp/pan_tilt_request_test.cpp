// The pan/tilt request against scripted cameras over real sockets: what it sends, Basic first
// and Digest when challenged for it, and each outcome. Runs inside the private network
// namespace of scripts/netns.

#include "base/base64.h"
#include "camhttp/pan_tilt_request.h"
#include "support/private_network.h"
#include "support/scripted_camera.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

using namespace std::chrono_literals;
using test::answer;
using test::answerAndWait;
using test::ScriptedHttpServer;
using test::targetOf;
using test::unauthorized;

const std::string kOk = "HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nOK\n";

class PanTiltRequest : public ::testing::Test {
protected:
    void SetUp() override { VISTREL_REQUIRE_PRIVATE_NETWORK(); }
};

TEST_F(PanTiltRequest, PostsWithHostLengthAndBasicCredentials) {
    ScriptedHttpServer server({answer(kOk)});
    const PanTiltResult result = sendPanTilt(targetOf(server, "garage42"), "upright");
    EXPECT_EQ(result.outcome, PanTiltOutcome::Accepted);
    EXPECT_EQ(result.statusCode, 200);
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0],
              "POST /camera-cgi/com/ptz.cgi?move=upright HTTP/1.1\r\nHost: 127.0.0.1:" +
                  std::to_string(server.port()) + "\r\nAuthorization: Basic " +
                  base64Encode("admin:garage42") + "\r\nContent-Length: 0\r\n\r\n");
    EXPECT_EQ(describePanTilt(result), "accepted (200)");
}

TEST_F(PanTiltRequest, AnswersADigestChallengeWithDigest) {
    ScriptedHttpServer server({answer(unauthorized(test::kDigestChallenge)), answer(kOk)});
    const PanTiltResult result = sendPanTilt(targetOf(server), "downleft");
    EXPECT_EQ(result.outcome, PanTiltOutcome::Accepted);
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_NE(requests[1].find("\r\nAuthorization: Digest username=\"admin\", realm=\"Vistrel "
                               "camera\", nonce=\"5c0ffee5\", "
                               "uri=\"/camera-cgi/com/ptz.cgi?move=downleft\", qop=\"auth\""),
              std::string::npos)
        << requests[1];
    EXPECT_NE(requests[1].find("\r\nContent-Length: 0\r\n\r\n"), std::string::npos);
}

TEST_F(PanTiltRequest, RefusalsAndFailuresAreReported) {
    const struct {
        const char* name;
        ScriptedHttpServer::Script script;
        PanTiltOutcome outcome;
        int statusCode;
        int connections;
        std::chrono::milliseconds receiveTimeout = 3000ms; // short only where it runs out
    } cases[] = {
        {"a Basic challenge: the password is wrong, no second try",
         answer(unauthorized(test::kBasicChallenge)), PanTiltOutcome::Refused, 401, 1},
        {"a Digest challenge answered and refused again",
         answer(unauthorized(test::kDigestChallenge)), PanTiltOutcome::Refused, 401, 2},
        {"forbidden", answer("HTTP/1.0 403 Forbidden\r\n\r\n"), PanTiltOutcome::Refused, 403, 1},
        {"closed without an answer", answer(""), PanTiltOutcome::NoAnswer, 0, 1},
        {"silent", answerAndWait(""), PanTiltOutcome::TimedOut, 0, 1, 300ms},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedHttpServer server({c.script});
        HttpLimits limits;
        limits.receiveTimeout = c.receiveTimeout;
        const PanTiltResult result = sendPanTilt(targetOf(server), "up", limits);
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.statusCode, c.statusCode);
        EXPECT_EQ(server.connections(), c.connections);
    }
    EXPECT_EQ(describePanTilt({PanTiltOutcome::Refused, 401}), "refused (401)");
}

TEST_F(PanTiltRequest, NothingIsSentForAnUnknownDirectionOrWithoutACamera) {
    ScriptedHttpServer server({answer(kOk)});
    for (const char* direction : {"", "middle", "up HTTP/1.1\r\nX: y", "Up"}) {
        EXPECT_EQ(sendPanTilt(targetOf(server), direction).outcome, PanTiltOutcome::NotSent);
    }
    EXPECT_EQ(server.connections(), 0);
    EXPECT_EQ(sendPanTilt({"127.0.0.1", 1, "pw"}, "left").outcome, PanTiltOutcome::NoConnection);
}

} // namespace
} // namespace vistrel
