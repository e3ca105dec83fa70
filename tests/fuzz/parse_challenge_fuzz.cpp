// Feeds arbitrary header text to Parse_Challenge and answers the result with
// Build_Authorization, aborting when a parsed field or a built line breaks its contract.

#include "camhttp/http_auth.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kCapacity = 512;
using Buffer = std::array<char, kCapacity>;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkField(const std::string& value) {
    check(value.size() <= vistrel::kMaxChallengeField);
    check(value.find_first_of(std::string_view("\"\r\n\0", 4)) == std::string::npos);
}

// The result must match what was written: 0 leaves the buffer alone, a length is followed by
// the terminator, -2 fills the buffer completely.
void checkBuilt(int result, const Buffer& out) {
    const std::size_t length = strnlen(out.data(), out.size());
    if (result == 0) {
        check(std::all_of(out.begin(), out.end(), [](char c) { return c == '#'; }));
    } else if (result == -2) {
        check(length == kCapacity - 1);
    } else {
        check(result > 0 && length == static_cast<std::size_t>(result) && length < kCapacity);
    }
}

void buildAndCheck(std::string_view user, std::string_view password,
                   const vistrel::HttpChallenge& challenge, vistrel::AuthScheme scheme) {
    Buffer out;
    out.fill('#');
    const int result = vistrel::Build_Authorization(
        user, password, "GET", "/cgi-bin/status", challenge, out.data(),
        static_cast<int>(kCapacity), scheme, [] { return 0x1234abcdu; });
    checkBuilt(result, out);
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
