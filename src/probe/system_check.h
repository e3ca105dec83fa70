#pragma once
// The start-up system check: the finder warns once when it runs on Windows 95, whose network
// stack lacks what the finder needs. Every other system passes silently.

#include <functional>
#include <optional>
#include <string>

namespace vistrel {

// The operating system version as the platform reports it. Platform 1 is the Windows 9x
// family, 2 the NT family; other systems report none of these.
struct OsVersion {
    int platform = 0;
    int major = 0;
    int minor = 0;
};

inline constexpr int kWindows9xPlatform = 1;

constexpr bool isWindows95(const OsVersion& version) {
    return version.platform == kWindows9xPlatform && version.major == 4 && version.minor == 0;
}

// The version of the system the finder runs on; nullopt when it cannot be queried.
std::optional<OsVersion> queryOsVersion();

// Shows the warning (text and caption) through `warn` when the version is Windows 95.
using SystemWarning = std::function<void(const std::string& text, const std::string& caption)>;
void Check_Windows_Version(const std::optional<OsVersion>& version, const SystemWarning& warn);

} // namespace vistrel
