#include "camhttp/http_challenge.h"

namespace vistrel {

namespace {

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

AuthScheme schemeOf(std::string_view header) {
    if (contains(header, "WWW-Authenticate: Digest")) {
        return AuthScheme::Digest;
    }
    if (contains(header, "WWW-Authenticate: Basic")) {
        return AuthScheme::Basic;
    }
    return AuthScheme::None;
}

// The rest of the line that starts at `from`. A quoted value never spans lines, and NUL ends
// the line too, so a value can neither swallow the following headers nor smuggle in bytes
// that would end or split the header line it is later copied into.
std::string_view restOfLine(std::string_view text, std::size_t from) {
    const std::string_view rest = text.substr(from);
    return rest.substr(0, rest.find_first_of(std::string_view("\r\n\0", 3)));
}

std::string quotedValueAfter(std::string_view header, std::string_view key) {
    const std::size_t at = header.find(key);
    if (at == std::string_view::npos) {
        return {};
    }
    const std::string_view line = restOfLine(header, at + key.size());
    const std::size_t open = line.find('"');
    const std::size_t close = open == std::string_view::npos ? open : line.find('"', open + 1);
    if (close == std::string_view::npos) {
        return {}; // unterminated: a guessed end would be wrong as often as right
    }
    // Cut rather than reject: the fields have always held at most this many characters.
    return std::string(line.substr(open + 1, close - open - 1).substr(0, kMaxChallengeField));
}

} // namespace

HttpChallenge Parse_Challenge(std::string_view responseHeader) {
    HttpChallenge challenge;
    challenge.scheme = schemeOf(responseHeader);
    challenge.realm = quotedValueAfter(responseHeader, "realm=");
    challenge.nonce = quotedValueAfter(responseHeader, "nonce=");
    challenge.qop = quotedValueAfter(responseHeader, "qop=");
    return challenge;
}

} // namespace vistrel
