#include "camhttp/picture_stream.h"

namespace vistrel {

namespace {

StreamOpening openingOf(ExchangeStatus status) {
    switch (status) {
    case ExchangeStatus::LookupFailed:
        return StreamOpening::LookupFailed;
    case ExchangeStatus::ConnectFailed:
        return StreamOpening::ConnectFailed;
    case ExchangeStatus::TimedOut:
        return StreamOpening::TimedOut;
    case ExchangeStatus::Interrupted:
        return StreamOpening::Interrupted;
    case ExchangeStatus::NoAnswer:
    case ExchangeStatus::Answered:
        break;
    }
    return StreamOpening::OtherStatus;
}

} // namespace

PictureStream::PictureStream(const HttpLimits& limits) : limits_(limits) {}

PictureStream::~PictureStream() = default;

StreamOpening PictureStream::open(const StreamTarget& target) {
    stream_ = HttpExchange{};
    lastStatusCode_ = 0;
    if (interruption_.triggered()) {
        return StreamOpening::Interrupted;
    }
    HttpRequest request{"GET", kSnapshotPath, {}, false};
    HttpChallenge challenge;
    bool challenged = false; // at most one retry, answering the first challenge
    for (;;) {
        const std::string authorization =
            challenged ? cameraAuthorization(target, request, challenge, challenge.scheme)
                       : std::string();
        request.authorizationLine = authorization;
        HttpExchange answer = exchangeRequest(target, request, limits_, &interruption_);
        if (answer.status != ExchangeStatus::Answered) {
            return openingOf(answer.status);
        }
        lastStatusCode_ = answer.statusCode();
        if (lastStatusCode_ == 200) {
            stream_ = std::move(answer);
            return StreamOpening::Opened;
        }
        if (lastStatusCode_ != 401) {
            return StreamOpening::OtherStatus;
        }
        if (challenged) {
            return StreamOpening::Refused;
        }
        // A 401 without a challenge is asked once more without an answer, as before.
        challenge = Parse_Challenge(answer.header.text);
        challenged = true;
    }
}

FrameStatus PictureStream::readFrame(std::vector<std::uint8_t>& picture) {
    if (interruption_.triggered()) {
        picture.clear();
        return FrameStatus::Interrupted;
    }
    if (!stream_.reader) {
        picture.clear();
        return FrameStatus::Closed;
    }
    return stream_.reader->readFrame(picture);
}

void PictureStream::interrupt() {
    interruption_.trigger();
}

} // namespace vistrel
