#include "config/config_fixtures.h"
#include "protocol/password_digest.h"
#include "setup/reported_password.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

// The DHCP wait must not take another camera's password for the selected camera's: before the
// camera's own reply it sees nothing, and then the password of the reply's own form.
TEST(ReportedPassword, IsTheSelectedCamerasOwnInTheFormOfItsReply) {
    struct Case {
        const char* name;
        bool xmlMode;
        const char* credentialSource;
        const char* scrambledSource;
        const char* expected;
    };
    const Case cases[] = {
        {"fixed layout, its own reply", false, "00:1a:2b:3c:4d:5e", "", "2580"},
        {"fixed layout, another camera's reply", false, "00:1a:2b:3c:4d:5f", "", ""},
        {"XML, its own reply", true, "00:1a:2b:3c:4d:5e", "00:1a:2b:3c:4d:5e", "xml-2580"},
        {"XML, another camera's reply", true, "00:1a:2b:3c:4d:5e", "00:1a:2b:3c:4d:5f", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CameraConfiguration config;
        test::selectCamera(config, 27, c.xmlMode);
        config.camera.passwordCredential = "2580";
        config.credentials.credentialSourceMac = c.credentialSource;
        config.credentials.scrambledPassword = scramblePassword("xml-2580");
        config.credentials.scrambledPasswordSourceMac = c.scrambledSource;
        EXPECT_EQ(reportedPassword(config), c.expected);
    }
    CameraConfiguration nothingSelected;
    EXPECT_EQ(reportedPassword(nothingSelected), "");
}

} // namespace
} // namespace vistrel
