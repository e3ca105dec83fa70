#pragma once

#include "camhttp/http_challenge.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vistrel {

// Milliseconds since system start, 32 bits (wraps after about 49.7 days).
using TickCountSource = std::function<std::uint32_t()>;

// The monotonic clock in milliseconds, truncated to 32 bits.
std::uint32_t systemTickCount();

// Longest "user:password" text encoded for Basic; longer credentials are cut to this length.
inline constexpr std::size_t kMaxBasicCredentials = 1023;

// Builds the header line "\r\nAuthorization: Basic ..." or "\r\nAuthorization: Digest ..."
// answering `challenge`'s realm, nonce and qop (its scheme field is not consulted; `scheme`
// chooses). For Digest with a qop, nc is the first reading of `ticks` as 8 hex digits and
// cnonce a second reading as 16 hex digits; without a qop the short response form is used.
//
// Returns an empty text when user or password is empty, scheme is neither Basic nor Digest,
// or (Digest) method, uri, realm or nonce is empty or a value written between double quotes
// (user, realm, nonce, uri, qop) contains a double quote, CR, LF or NUL, which would corrupt
// the header.
std::string authorizationLine(std::string_view user, std::string_view password,
                              std::string_view method, std::string_view uri,
                              const HttpChallenge& challenge, AuthScheme scheme,
                              const TickCountSource& ticks = systemTickCount);

} // namespace vistrel
