#include "config/firmware_version.h"

#include "config/decimal_text.h"

#include <algorithm>
#include <string>

namespace vistrel {

int firmwareVersionNumber(std::string_view version) {
    const std::string_view major = version.substr(std::min<std::size_t>(1, version.size()), 1);
    const std::string_view minor = version.substr(std::min<std::size_t>(3, version.size()), 2);
    const std::string digits =
        std::string(major) + (minor.size() == 1 ? "0" : "") + std::string(minor);
    return static_cast<int>(digitsValue(digits).value_or(0));
}

bool hasExtendedSecurityModes(std::uint8_t modelCode, int versionNumber) {
    const int m = modelCode;
    return ((m == 34 || m == 35) && versionNumber >= 111) ||
           (m >= 22 && m <= 27 && versionNumber >= 108) ||
           (m >= 19 && m <= 21 && versionNumber >= 111) ||
           (m >= 28 && m <= 30 && versionNumber >= 110);
}

} // namespace vistrel
