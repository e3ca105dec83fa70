#include "camhttp/pan_tilt_request.h"

#include "camhttp/http_exchange.h"

#include <algorithm>
#include <array>

namespace vistrel {

namespace {

constexpr std::array<std::string_view, 8> kDirections{"up",     "down",    "left",     "right",
                                                      "upleft", "upright", "downleft", "downright"};

PanTiltResult resultOf(const HttpExchange& exchange) {
    switch (exchange.status) {
    case ExchangeStatus::Answered: {
        const int code = exchange.statusCode();
        return {code >= 200 && code < 300 ? PanTiltOutcome::Accepted : PanTiltOutcome::Refused,
                code};
    }
    case ExchangeStatus::LookupFailed:
    case ExchangeStatus::ConnectFailed:
        return {PanTiltOutcome::NoConnection, 0};
    case ExchangeStatus::TimedOut:
    case ExchangeStatus::Interrupted:
        return {PanTiltOutcome::TimedOut, 0};
    case ExchangeStatus::NoAnswer:
        break;
    }
    return {PanTiltOutcome::NoAnswer, 0};
}

} // namespace

bool isPanTiltDirection(std::string_view direction) {
    return std::ranges::find(kDirections, direction) != kDirections.end();
}

PanTiltResult sendPanTilt(const StreamTarget& target, std::string_view direction,
                          const HttpLimits& limits) {
    if (!isPanTiltDirection(direction)) {
        return {PanTiltOutcome::NotSent, 0};
    }
    const std::string path = std::string(kPanTiltPath) + "?move=" + std::string(direction);
    HttpRequest request{"POST", path, {}, true};
    const std::string basic = cameraAuthorization(target, request, {}, AuthScheme::Basic);
    request.authorizationLine = basic;
    HttpExchange answer = exchangeRequest(target, request, limits, nullptr);
    if (answer.status == ExchangeStatus::Answered && answer.statusCode() == 401) {
        const HttpChallenge challenge = Parse_Challenge(answer.header.text);
        if (challenge.scheme == AuthScheme::Digest) {
            const std::string digest =
                cameraAuthorization(target, request, challenge, AuthScheme::Digest);
            request.authorizationLine = digest;
            answer = exchangeRequest(target, request, limits, nullptr);
        }
    }
    return resultOf(answer);
}

std::string describePanTilt(const PanTiltResult& result) {
    const std::string code = " (" + std::to_string(result.statusCode) + ")";
    switch (result.outcome) {
    case PanTiltOutcome::Accepted:
        return "accepted" + code;
    case PanTiltOutcome::Refused:
        return "refused" + code;
    case PanTiltOutcome::NoConnection:
        return "no connection";
    case PanTiltOutcome::NoAnswer:
        return "no answer";
    case PanTiltOutcome::TimedOut:
        return "no answer in time";
    case PanTiltOutcome::NotSent:
        break;
    }
    return "not sent: unknown direction";
}

} // namespace vistrel
