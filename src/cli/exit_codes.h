#pragma once
// The exit statuses of every command-line mode, one table for all of them.

namespace vistrel {

enum ExitCode : int {
    kExitDone = 0,
    kExitCheckRefused = 1,      // a settings check refused the values; nothing was sent
    kExitPortUnavailable = 2,   // UDP port 13364 cannot be used
    kExitCameraUnreachable = 3, // the camera was not found, did not answer or cannot be reached
    kExitAuthentication = 4,    // wrong password, or the camera refused the authentication
    kExitNotConfirmed = 5,      // the camera did not come back with the requested settings
    kExitNoPicture = 6,         // no picture arrived in time
    kExitUsage = 64,            // unknown option, missing or malformed value
};

} // namespace vistrel
