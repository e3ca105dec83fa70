#pragma once
// What the finder knows about the selected camera's administrator password, and from which
// camera it learnt it. A password learnt from one camera never opens another.

#include <string>

namespace vistrel {

struct CameraCredentials {
    // The last non-empty password credential text of a fixed-layout settings reply: the
    // password itself or its digest text. The live preview authenticates with it too.
    std::string credentialCopy;
    std::string credentialSourceMac; // MAC text of the camera that reported it

    // The password an XML settings reply carried, scrambled.
    std::string scrambledPassword;
    std::string scrambledPasswordSourceMac;

    // A login matched the camera's reported digest text with the typed password.
    bool digestVerified = false;
    // The camera's firmware offers the newer security modes in its site survey.
    bool ExtendedSecurityModes = false;
};

} // namespace vistrel
