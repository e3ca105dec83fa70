#pragma once
// The exit statuses of every command-line mode, one table for all of them: --help prints it,
// and the README's table says the same (a test compares them).

#include <array>
#include <string_view>

namespace vistrel {

enum ExitCode : int {
    kExitDone = 0,
    kExitCheckRefused = 1,
    kExitPortUnavailable = 2,
    kExitCameraUnreachable = 3,
    kExitAuthentication = 4,
    kExitNotConfirmed = 5,
    kExitNoPicture = 6,
    kExitUsage = 64,
};

struct ExitCodeMeaning {
    ExitCode code;
    std::string_view meaning;
};

inline constexpr std::array kExitCodeMeanings{
    ExitCodeMeaning{kExitDone, "done (--list also when no camera answered)"},
    ExitCodeMeaning{kExitCheckRefused,
                    "a settings check refused the values; nothing was sent (--snapshot, "
                    "--screenshot: the file cannot be written)"},
    ExitCodeMeaning{kExitPortUnavailable, "UDP port 13364 cannot be used"},
    ExitCodeMeaning{kExitCameraUnreachable,
                    "the camera was not found, did not answer, sent no settings within the "
                    "wait, or its picture stream cannot be connected to"},
    ExitCodeMeaning{kExitAuthentication,
                    "the password is wrong; nothing was sent (--snapshot: the camera refused "
                    "it)"},
    ExitCodeMeaning{kExitNotConfirmed,
                    "the camera did not come back with the requested settings within the wait"},
    ExitCodeMeaning{kExitNoPicture, "--snapshot: the pictures did not arrive within the wait"},
    ExitCodeMeaning{kExitUsage,
                    "usage error: unknown option, missing or malformed value, options that do "
                    "not go together, no password to be had"},
};

} // namespace vistrel
