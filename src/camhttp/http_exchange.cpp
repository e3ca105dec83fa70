#include "camhttp/http_exchange.h"

#include "camhttp/http_authorization.h"

namespace vistrel {

namespace {

ExchangeStatus statusOfHeader(const ResponseHeader& header) {
    switch (header.status) {
    case HeaderStatus::Complete:
        return header.statusCode ? ExchangeStatus::Answered : ExchangeStatus::NoAnswer;
    case HeaderStatus::TimedOut:
        return ExchangeStatus::TimedOut;
    case HeaderStatus::Interrupted:
        return ExchangeStatus::Interrupted;
    case HeaderStatus::TooLong:
    case HeaderStatus::Closed:
        break;
    }
    return ExchangeStatus::NoAnswer;
}

ExchangeStatus statusOfConnect(ConnectStatus status) {
    switch (status) {
    case ConnectStatus::LookupFailed:
        return ExchangeStatus::LookupFailed;
    case ConnectStatus::Interrupted:
        return ExchangeStatus::Interrupted;
    default:
        return ExchangeStatus::ConnectFailed;
    }
}

ExchangeStatus statusOfSend(SendStatus status) {
    switch (status) {
    case SendStatus::Interrupted:
        return ExchangeStatus::Interrupted;
    case SendStatus::TimedOut:
        return ExchangeStatus::TimedOut;
    default:
        return ExchangeStatus::NoAnswer;
    }
}

} // namespace

HttpExchange exchangeRequest(const StreamTarget& target, const HttpRequest& request,
                             const HttpLimits& limits, const Interruption* interruption) {
    HttpExchange exchange;
    SocketConnection::Opened opened =
        SocketConnection::open(target.host, target.port, limits.connectTimeout, interruption);
    if (opened.status != ConnectStatus::Connected) {
        exchange.status = statusOfConnect(opened.status);
        return exchange;
    }
    exchange.connection = std::move(opened.connection);
    // One budget for sending the request and receiving the whole header.
    const Deadline deadline = std::chrono::steady_clock::now() + limits.receiveTimeout;
    const SendStatus sent =
        exchange.connection->sendAll(requestText(request, target.host, target.port), deadline);
    if (sent != SendStatus::Sent) {
        exchange.status = statusOfSend(sent);
        return exchange;
    }
    exchange.reader = std::make_unique<StreamReader>(*exchange.connection, limits);
    exchange.header = exchange.reader->readResponseHeader(deadline);
    exchange.status = statusOfHeader(exchange.header);
    return exchange;
}

std::string cameraAuthorization(const StreamTarget& target, const HttpRequest& request,
                                const HttpChallenge& challenge, AuthScheme scheme) {
    return authorizationLine(kCameraUser, target.password, request.method, request.target,
                             challenge, scheme);
}

} // namespace vistrel
