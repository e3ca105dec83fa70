#include "probe/system_check.h"

#include <cstdio>
#include <sys/utsname.h>

namespace vistrel {

std::optional<OsVersion> queryOsVersion() {
    utsname system{};
    if (uname(&system) != 0) {
        return std::nullopt;
    }
    // Not a Windows platform: only the kernel's version numbers are of interest.
    OsVersion version;
    std::sscanf(system.release, "%d.%d", &version.major, &version.minor);
    return version;
}

void Check_Windows_Version(const std::optional<OsVersion>& version, const SystemWarning& warn) {
    if (version && isWindows95(*version) && warn) {
        warn("Win95\n", "Warnning");
    }
}

} // namespace vistrel
