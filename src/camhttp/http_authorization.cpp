#include "camhttp/http_authorization.h"

#include "base/base64.h"
#include "base/md5.h"

#include <algorithm>
#include <chrono>
#include <initializer_list>

namespace vistrel {

namespace {

// Characters that cannot appear inside a quoted header value without corrupting the header.
constexpr std::string_view kUnquotable("\"\r\n\0", 4);

bool quotable(std::string_view value) {
    return value.find_first_of(kUnquotable) == std::string_view::npos;
}

std::string joined(std::initializer_list<std::string_view> parts, std::string_view separator) {
    std::string text;
    bool first = true;
    for (const std::string_view part : parts) {
        if (!first) {
            text += separator;
        }
        text += part;
        first = false;
    }
    return text;
}

std::string md5HexOf(std::initializer_list<std::string_view> parts) {
    return md5HexLower(md5Of(joined(parts, ":")));
}

// Lower-case hex, zero-padded to `width` digits (a 32-bit value never needs more than 8).
std::string hexOf(std::uint32_t value, std::size_t width) {
    std::string text(width, '0');
    for (auto digit = text.rbegin(); value != 0 && digit != text.rend(); ++digit, value >>= 4) {
        *digit = "0123456789abcdef"[value & 0x0f];
    }
    return text;
}

std::string param(std::string_view name, std::string_view value) {
    return std::string(name) + "=\"" + std::string(value) + '"';
}

std::string basicLine(std::string_view user, std::string_view password) {
    std::string credentials = joined({user, password}, ":");
    credentials.resize(std::min(credentials.size(), kMaxBasicCredentials));
    return "\r\nAuthorization: Basic " + base64Encode(credentials);
}

bool digestInputsUsable(std::string_view user, std::string_view method, std::string_view uri,
                        const HttpChallenge& challenge) {
    const bool present =
        !method.empty() && !uri.empty() && !challenge.realm.empty() && !challenge.nonce.empty();
    return present && quotable(user) && quotable(uri) && quotable(challenge.realm) &&
           quotable(challenge.nonce) && quotable(challenge.qop);
}

std::string digestLine(std::string_view user, std::string_view password, std::string_view method,
                       std::string_view uri, const HttpChallenge& c, const TickCountSource& ticks) {
    const std::string ha1 = md5HexOf({user, c.realm, password});
    const std::string ha2 = md5HexOf({method, uri});
    const std::string head =
        "\r\nAuthorization: Digest " + joined({param("username", user), param("realm", c.realm),
                                               param("nonce", c.nonce), param("uri", uri)},
                                              ", ");
    if (c.qop.empty()) {
        return head + ", " + param("response", md5HexOf({ha1, c.nonce, ha2}));
    }
    const std::string nc = hexOf(ticks(), 8);
    const std::string cnonce = hexOf(ticks(), 16);
    const std::string response = md5HexOf({ha1, c.nonce, nc, cnonce, c.qop, ha2});
    return head + ", " +
           joined({param("qop", c.qop), param("nc", nc), param("cnonce", cnonce),
                   param("response", response)},
                  ", ");
}

} // namespace

std::uint32_t systemTickCount() {
    // steady_clock is CLOCK_MONOTONIC on Linux; the cut to 32 bits wraps like a tick counter.
    const auto elapsed = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

std::string authorizationLine(std::string_view user, std::string_view password,
                              std::string_view method, std::string_view uri,
                              const HttpChallenge& challenge, AuthScheme scheme,
                              const TickCountSource& ticks) {
    if (user.empty() || password.empty()) {
        return {};
    }
    if (scheme == AuthScheme::Basic) {
        return basicLine(user, password);
    }
    if (scheme != AuthScheme::Digest || !digestInputsUsable(user, method, uri, challenge)) {
        return {};
    }
    return digestLine(user, password, method, uri, challenge, ticks ? ticks : systemTickCount);
}

} // namespace vistrel
