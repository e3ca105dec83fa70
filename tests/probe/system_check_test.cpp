#include "probe/system_check.h"

#include <gtest/gtest.h>
#include <vector>

namespace vistrel {
namespace {

std::vector<std::string> warningsFor(const std::optional<OsVersion>& version) {
    std::vector<std::string> shown;
    Check_Windows_Version(version, [&](const std::string& text, const std::string& caption) {
        shown.push_back(caption + ": " + text);
    });
    return shown;
}

TEST(SystemCheck, WarnsOnWindows95Only) {
    EXPECT_EQ(warningsFor(OsVersion{1, 4, 0}), std::vector<std::string>{"Warnning: Win95\n"});
    const OsVersion others[]{{1, 4, 10}, {1, 4, 90}, {2, 4, 0}, {2, 10, 0}, {0, 6, 1}};
    for (const OsVersion& version : others) {
        SCOPED_TRACE(testing::Message()
                     << version.platform << " " << version.major << "." << version.minor);
        EXPECT_TRUE(warningsFor(version).empty());
    }
    EXPECT_TRUE(warningsFor(std::nullopt).empty());
}

} // namespace
} // namespace vistrel
