#pragma once
// What the camera's web server answers to one request: the picture stream for
// GET /snapshot.cgi, a view move for POST /camera-cgi/com/ptz.cgi?move=DIR, each behind the
// camera's authentication, and an error status for everything else.

#include "camsim/camera_state.h"
#include "camsim/event_log.h"
#include "camsim/http_auth.h"
#include "camsim/http_request.h"

#include <string>

namespace vistrel::camsim {

inline constexpr std::string_view kSnapshotPath = "/snapshot.cgi";
inline constexpr std::string_view kPanTiltPath = "/camera-cgi/com/ptz.cgi";

struct HttpAnswer {
    bool startsStream = false; // pictures follow the response; otherwise the connection closes
    std::string response;
    LogEntry entry; // the connection fills in the peer
};

HttpAnswer answerRequest(const HttpRequest& request, CameraState& camera, NonceBook& nonces);

// 400 for a request that could not be read; the log shows its first line.
HttpAnswer answerMalformedRequest(const std::string& firstLine, const std::string& error,
                                  const CameraState& camera);

} // namespace vistrel::camsim
