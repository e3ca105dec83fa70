#include "probe/system_check.h"

namespace vistrel {

std::optional<OsVersion> queryOsVersion() {
    // This platform is neither of the Windows families: it reports no platform code.
    return OsVersion{};
}

void Check_Windows_Version(const std::optional<OsVersion>& version, const SystemWarning& warn) {
    if (version && isWindows95(*version) && warn) {
        warn("Win95\n", "Warnning");
    }
}

} // namespace vistrel
