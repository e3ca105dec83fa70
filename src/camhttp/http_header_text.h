#pragma once
// The few pieces of HTTP/1.1 text the camera client writes and reads: its requests, the status
// line of an answer and the Content-Length of a picture stream's part.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

// The status code of a status line such as "HTTP/1.1 200 OK" (also HTTP/1.0), or nullopt for
// a line that is not one.
std::optional<int> statusCodeOf(std::string_view statusLine);

// The first line of a header text.
std::string_view firstLineOf(std::string_view header);

struct ContentLength {
    bool present = false; // the line is a Content-Length header line
    bool valid = false;   // it holds a decimal count that fits 64 bits
    std::uint64_t length = 0;
};

// Reads a "Content-Length:" header line (the name in any case, blanks around the value).
// A value with a sign, any character besides digits, or too many digits is not valid.
ContentLength contentLengthOf(std::string_view line);

// The Host header's value: the host, and the port unless it is HTTP's 80.
std::string hostHeaderValue(std::string_view host, std::uint16_t port);

struct HttpRequest {
    std::string_view method;
    std::string_view target;
    std::string_view authorizationLine; // "\r\nAuthorization: ..." or empty
    bool emptyBody = false;             // announces a body of 0 bytes (a POST needs a length)
};

// The request's bytes: request line, Host, the Authorization line, Content-Length when asked
// for, and the empty line.
std::string requestText(const HttpRequest& request, std::string_view host, std::uint16_t port);

} // namespace vistrel
