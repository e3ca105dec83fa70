#pragma once

#include "camhttp/http_challenge.h"
#include "camhttp/http_header_text.h"
#include "camhttp/http_limits.h"
#include "camhttp/interruption.h"
#include "camhttp/picture_source.h"
#include "camhttp/socket_connection.h"
#include "camhttp/stream_reader.h"

#include <memory>
#include <string>
#include <string_view>

namespace vistrel {

// The user name of every HTTP request to a camera.
inline constexpr std::string_view kCameraUser = "admin";

enum class ExchangeStatus {
    Answered,      // a complete response header with a status line arrived
    LookupFailed,  // the host could not be looked up
    ConnectFailed, // no connection
    NoAnswer,      // the camera closed, or sent something that is not a bounded HTTP header
    TimedOut,      // the request could not be sent, or the header did not arrive, in time
    Interrupted,
};

// One request on a new connection and the header of its answer. The connection stays open
// with a reader positioned after the header, for a picture stream.
struct HttpExchange {
    ExchangeStatus status = ExchangeStatus::ConnectFailed;
    ResponseHeader header;
    std::unique_ptr<SocketConnection> connection;
    std::unique_ptr<StreamReader> reader;

    int statusCode() const { return header.statusCode.value_or(0); }
};

HttpExchange exchangeRequest(const StreamTarget& target, const HttpRequest& request,
                             const HttpLimits& limits, const Interruption* interruption);

// The Authorization line of a request as user "admin" with the target's password; empty when
// the scheme is None or the password is empty.
std::string cameraAuthorization(const StreamTarget& target, const HttpRequest& request,
                                const HttpChallenge& challenge, AuthScheme scheme);

} // namespace vistrel
