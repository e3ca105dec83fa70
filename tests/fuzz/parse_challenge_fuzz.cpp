// Feeds arbitrary header text to Parse_Challenge and answers the result with
// authorizationLine, aborting when a parsed field or a built line breaks its contract.

#include "camhttp/http_auth.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkField(const std::string& value) {
    check(value.size() <= vistrel::kMaxChallengeField);
    check(value.find_first_of(std::string_view("\"\r\n\0", 4)) == std::string::npos);
}

// A built line is empty or one header line: nothing after its leading line break can start
// another header or end the text early.
void buildAndCheck(std::string_view user, std::string_view password,
                   const vistrel::HttpChallenge& challenge, vistrel::AuthScheme scheme) {
    const std::string line = vistrel::authorizationLine(
        user, password, "GET", "/cgi-bin/status", challenge, scheme, [] { return 0x1234abcdu; });
    if (line.empty()) {
        return;
    }
    constexpr std::string_view kStart = "\r\nAuthorization: ";
    check(line.starts_with(kStart));
    check(line.find_first_of(std::string_view("\r\n\0", 3), kStart.size()) == std::string::npos);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view header(reinterpret_cast<const char*>(data), size);
    const vistrel::HttpChallenge challenge = vistrel::Parse_Challenge(header);
    checkField(challenge.realm);
    checkField(challenge.nonce);
    checkField(challenge.qop);
    buildAndCheck("admin", "secret", challenge, vistrel::AuthScheme::Digest);
    buildAndCheck(challenge.realm, challenge.nonce, challenge, vistrel::AuthScheme::Basic);
    buildAndCheck(challenge.nonce, challenge.qop, challenge, challenge.scheme);
    return 0;
}
