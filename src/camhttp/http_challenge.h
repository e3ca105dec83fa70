#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vistrel {

enum class AuthScheme { None = 0, Basic = 1, Digest = 2 };

struct HttpChallenge {
    AuthScheme scheme = AuthScheme::None;
    std::string realm, nonce, qop;
};

// Longest realm, nonce or qop kept from a challenge; longer values are cut to this length.
inline constexpr std::size_t kMaxChallengeField = 127;

// Reads the authentication challenge of a 401 response from its header text.
//
// Searches are case-sensitive and find the first occurrence. The scheme is Digest when the
// text contains "WWW-Authenticate: Digest", else Basic when it contains
// "WWW-Authenticate: Basic", else None. Each of realm, nonce and qop is the text between the
// first pair of double quotes following its key ("realm=", ...) on the key's line, kept as
// received (a qop list stays whole). No quote, an empty quoted text or a missing closing
// quote leave the field empty.
HttpChallenge Parse_Challenge(std::string_view responseHeader);

} // namespace vistrel
