#include "camsim/http_exchange.h"

#include "camsim/http_responses.h"
#include "camsim/pan_tilt.h"

namespace vistrel::camsim {

namespace {

LogEntry requestEntry(const HttpRequest& request, const CameraState& camera) {
    LogEntry entry;
    entry.direction = "in";
    entry.command = request.method + " " + std::string(request.path());
    entry.camera = camera.macText();
    entry.fields.add("target", request.target);
    const std::string_view authorization = request.header("Authorization");
    entry.fields.add("authorization", authorization.substr(0, authorization.find(' ')));
    return entry;
}

HttpAnswer refused(LogEntry entry, int status, std::string_view reason, const std::string& why) {
    entry.verdict = "refused: " + std::to_string(status) + " " + why;
    return {false, simpleResponse(status, reason, std::string(reason) + "\n"), std::move(entry)};
}

HttpAnswer challenge(LogEntry entry, const CameraState& camera, NonceBook& nonces, HttpAuth auth,
                     const std::string& why) {
    const std::string nonce = auth == HttpAuth::Digest ? nonces.issue() : std::string();
    entry.verdict = "refused: 401 " + why;
    const std::string line = challengeLine(auth, camera.description().realm, nonce);
    return {false, unauthorizedResponse(line), std::move(entry)};
}

std::string authRefusal(const HttpRequest& request, const CameraState& camera,
                        const NonceBook& nonces, HttpAuth auth) {
    const AuthCheck check{request.header("Authorization"), request.method, request.target,
                          camera.description().realm, camera.settings().password};
    switch (auth) {
    case HttpAuth::None:
        return {};
    case HttpAuth::Basic:
        return basicRefusal(check);
    case HttpAuth::Digest:
        return digestRefusal(check, nonces);
    }
    return {};
}

HttpAnswer answerSnapshot(const HttpRequest& request, CameraState& camera, NonceBook& nonces,
                          LogEntry entry) {
    const HttpAuth auth = camera.description().httpAuth;
    if (std::string why = authRefusal(request, camera, nonces, auth); !why.empty()) {
        return challenge(std::move(entry), camera, nonces, auth, why);
    }
    entry.verdict = "answered: 200 picture stream";
    return {true, pictureStreamHeader(), std::move(entry)};
}

// The pan/tilt request carries Basic credentials whatever the picture stream asks for.
HttpAnswer answerPanTilt(const HttpRequest& request, CameraState& camera, NonceBook& nonces,
                         LogEntry entry) {
    const HttpAuth auth =
        camera.description().httpAuth == HttpAuth::None ? HttpAuth::None : HttpAuth::Basic;
    if (std::string why = authRefusal(request, camera, nonces, auth); !why.empty()) {
        return challenge(std::move(entry), camera, nonces, auth, why);
    }
    const std::string_view direction = queryValue(request.query(), "move");
    entry.fields.add("move", direction);
    const auto step = panTiltStepOf(direction);
    if (!step) {
        return refused(std::move(entry), 400, "Bad Request", "unknown direction");
    }
    const bool moved = camera.view().move(*step);
    entry.fields.add("pan", camera.view().pan()).add("tilt", camera.view().tilt());
    entry.verdict = moved ? "applied" : "applied: at the end of the range";
    return {false, simpleResponse(200, "OK", "OK\n"), std::move(entry)};
}

} // namespace

HttpAnswer answerRequest(const HttpRequest& request, CameraState& camera, NonceBook& nonces) {
    LogEntry entry = requestEntry(request, camera);
    const std::string_view path = request.path();
    if (path == kSnapshotPath) {
        return request.method == "GET"
                   ? answerSnapshot(request, camera, nonces, std::move(entry))
                   : refused(std::move(entry), 405, "Method Not Allowed", "method");
    }
    if (path == kPanTiltPath) {
        return request.method == "POST"
                   ? answerPanTilt(request, camera, nonces, std::move(entry))
                   : refused(std::move(entry), 405, "Method Not Allowed", "method");
    }
    return refused(std::move(entry), 404, "Not Found", "no such page");
}

HttpAnswer answerMalformedRequest(const std::string& firstLine, const std::string& error,
                                  const CameraState& camera) {
    LogEntry entry;
    entry.direction = "in";
    entry.command = "(unreadable request)";
    entry.camera = camera.macText();
    entry.fields.add("firstLine", firstLine);
    return refused(std::move(entry), 400, "Bad Request", error);
}

} // namespace vistrel::camsim
