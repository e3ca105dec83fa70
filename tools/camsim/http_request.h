#pragma once
// Reads the head of an HTTP request (request line and header lines up to the empty line) as
// it arrives, within a size limit, and never trusts what it reads.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vistrel::camsim {

inline constexpr std::size_t kMaxRequestHeadSize = std::size_t{8} * 1024;

struct HttpRequest {
    std::string method;
    std::string target; // "/snapshot.cgi", "/camera-cgi/com/ptz.cgi?move=up"
    std::string version;
    std::vector<std::pair<std::string, std::string>> headers;

    std::string_view path() const;  // the target before '?'
    std::string_view query() const; // after '?', empty without one
    // The value of the first header of that name, compared without regard to case; empty
    // when there is none.
    std::string_view header(std::string_view name) const;
};

// The value of a key in a query text "a=1&b=2"; empty when absent.
std::string_view queryValue(std::string_view query, std::string_view key);

class HttpRequestReader {
public:
    enum class State { Incomplete, Complete, Malformed };

    // Takes more bytes of the connection. Once Complete or Malformed, further bytes are ignored.
    State feed(std::string_view bytes);

    State state() const { return state_; }
    const HttpRequest& request() const { return request_; }
    const std::string& error() const { return error_; }
    // The request line as received, cut to a readable length, for the log.
    std::string firstLine() const;

private:
    void parse(std::string_view head);
    void fail(std::string reason);

    std::string buffer_;
    State state_ = State::Incomplete;
    HttpRequest request_;
    std::string error_;
};

} // namespace vistrel::camsim
