#pragma once

#include "camhttp/http_limits.h"
#include "camhttp/picture_source.h"

#include <string>
#include <string_view>

namespace vistrel {

// The path of a camera's pan/tilt command; "?move=" and the direction follow.
inline constexpr std::string_view kPanTiltPath = "/camera-cgi/com/ptz.cgi";

enum class PanTiltOutcome {
    Accepted,     // the camera answered with a 2xx status
    Refused,      // it answered with another status (401: the password did not open it)
    NoConnection, // the host could not be looked up or connected to
    NoAnswer,     // it closed, or sent no HTTP status line
    TimedOut,     // the answer did not arrive in time
    NotSent,      // the direction is none of the eight
};

struct PanTiltResult {
    PanTiltOutcome outcome = PanTiltOutcome::NotSent;
    int statusCode = 0; // the answer's status code, when one came
};

// Whether the camera knows this direction: "up", "down", "left", "right", "upleft",
// "upright", "downleft", "downright".
bool isPanTiltDirection(std::string_view direction);

// Asks the camera to move: "POST /camera-cgi/com/ptz.cgi?move=<direction>" with Host and
// Content-Length: 0, as user "admin" with the target's password, in Basic as cameras expect;
// a 401 with a Digest challenge is answered once with Digest on a new connection. Blocks for
// at most the connect and receive time-outs, twice with the retry; call it off the GUI thread.
PanTiltResult sendPanTilt(const StreamTarget& target, std::string_view direction,
                          const HttpLimits& limits = {});

// One line for a log: "accepted (200)", "refused (401)", "no connection", ...
std::string describePanTilt(const PanTiltResult& result);

} // namespace vistrel
