#include "camhttp/http_challenge.h"

#include <gtest/gtest.h>
#include <string>

namespace vistrel {
namespace {

using namespace std::string_literals;

struct ChallengeCase {
    const char* name;
    std::string header;
    AuthScheme scheme;
    std::string realm, nonce, qop;
};

const std::string kLongValue = std::string(100, 'r') + std::string(100, 'R');

const ChallengeCase kCases[] = {
    {"basic", "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"IPCam\"\r\n\r\n",
     AuthScheme::Basic, "IPCam", "", ""},
    {"digest with qop",
     "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Digest realm=\"cam@lan\", qop=\"auth\", "
     "nonce=\"4e8a2f\", stale=FALSE\r\n",
     AuthScheme::Digest, "cam@lan", "4e8a2f", "auth"},
    {"digest without qop", "WWW-Authenticate: Digest realm=\"r\", nonce=\"n1\"\r\n",
     AuthScheme::Digest, "r", "n1", ""},
    {"both schemes: digest wins, first realm is used",
     "WWW-Authenticate: Basic realm=\"first\"\r\nWWW-Authenticate: Digest realm=\"second\", "
     "nonce=\"n\"\r\n",
     AuthScheme::Digest, "first", "n", ""},
    {"qop list kept whole",
     "WWW-Authenticate: Digest realm=\"r\", nonce=\"n\", qop=\"auth,auth-int\"", AuthScheme::Digest,
     "r", "n", "auth,auth-int"},
    {"text before the opening quote is skipped", "WWW-Authenticate: Digest realm= \t\"r\"",
     AuthScheme::Digest, "r", "", ""},
    {"unquoted values", "WWW-Authenticate: Digest realm=cam, nonce=abc", AuthScheme::Digest, "", "",
     ""},
    {"empty quotes", "WWW-Authenticate: Digest realm=\"\", nonce=\"n\"", AuthScheme::Digest, "",
     "n", ""},
    {"closing quote missing at the end", "WWW-Authenticate: Digest nonce=\"n\", realm=\"abc",
     AuthScheme::Digest, "", "n", ""},
    {"closing quote missing: the next header's quotes are not used",
     "WWW-Authenticate: Basic realm=\"abc\r\nContent-Type: text/html; a=\"b\"\r\n",
     AuthScheme::Basic, "", "", ""},
    {"opening quote on a later line is not used",
     "WWW-Authenticate: Digest realm=abc\r\nX-Note: \"other\"\r\n", AuthScheme::Digest, "", "", ""},
    {"NUL ends a value", "WWW-Authenticate: Basic realm=\"ab\0cd\""s, AuthScheme::Basic, "", "",
     ""},
    {"scheme and keys are case-sensitive",
     "www-authenticate: basic Realm=\"a\"\r\nWWW-Authenticate: digest realm=\"b\"",
     AuthScheme::None, "b", "", ""},
    {"value of 127 characters kept", "realm=\"" + std::string(127, 'x') + "\"", AuthScheme::None,
     std::string(127, 'x'), "", ""},
    {"longer value cut to 127 characters",
     "WWW-Authenticate: Digest realm=\"" + kLongValue + "\", nonce=\"n\"", AuthScheme::Digest,
     kLongValue.substr(0, 127), "n", ""},
    {"empty text", "", AuthScheme::None, "", "", ""},
};

TEST(ParseChallenge, Cases) {
    for (const ChallengeCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const HttpChallenge challenge = Parse_Challenge(c.header);
        EXPECT_EQ(challenge.scheme, c.scheme);
        EXPECT_EQ(challenge.realm, c.realm);
        EXPECT_EQ(challenge.nonce, c.nonce);
        EXPECT_EQ(challenge.qop, c.qop);
    }
}

// Plain substring search: the first "nonce=" wins even inside another parameter's name.
TEST(ParseChallenge, FirstOccurrenceOfKeyWins) {
    const HttpChallenge challenge =
        Parse_Challenge("WWW-Authenticate: Digest cnonce=\"c\", nonce=\"n\", realm=\"r\"");
    EXPECT_EQ(challenge.nonce, "c");
    EXPECT_EQ(challenge.realm, "r");
}

} // namespace
} // namespace vistrel
