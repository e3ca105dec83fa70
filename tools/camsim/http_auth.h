#pragma once
// The camera's web server authentication: the challenge of a 401 response and the exact check
// of the Basic or Digest answer (RFC 7617, RFC 7616 with MD5 and qop "auth", and the older form
// without qop). The user is always "admin".

#include "camsim/camera_description.h"

#include <cstddef>
#include <deque>
#include <map>
#include <random>
#include <string>
#include <string_view>

namespace vistrel::camsim {

inline constexpr std::string_view kCameraUser = "admin";

// The nonces a camera handed out; a Digest answer must carry one of the most recent.
class NonceBook {
public:
    static constexpr std::size_t kRemembered = 64;

    NonceBook();
    std::string issue(); // 32 lower-case hexadecimal digits
    bool knows(std::string_view nonce) const;

private:
    std::mt19937_64 random_;
    std::deque<std::string> issued_;
};

// "WWW-Authenticate: Basic realm=\"...\"" or
// "WWW-Authenticate: Digest realm=\"...\", nonce=\"...\", qop=\"auth\"", without line end.
std::string challengeLine(HttpAuth auth, std::string_view realm, std::string_view nonce);

// The parameters of a Digest answer: key=value or key="value", separated by commas.
std::map<std::string, std::string> digestParameters(std::string_view text);

struct AuthCheck {
    std::string_view authorization; // the Authorization header's value
    std::string_view method;
    std::string_view target;
    std::string_view realm;
    std::string_view password;
};

// Empty when the answer is accepted, otherwise why it is not.
std::string basicRefusal(const AuthCheck& check);
std::string digestRefusal(const AuthCheck& check, const NonceBook& nonces);

} // namespace vistrel::camsim
