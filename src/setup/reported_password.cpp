#include "setup/reported_password.h"

#include "protocol/password_digest.h"

namespace vistrel {

std::string reportedPassword(const CameraConfiguration& config) {
    const TDeviceItem& camera = config.camera;
    const CameraCredentials& credentials = config.credentials;
    if (camera.macText.empty()) {
        return {};
    }
    if (camera.xmlMode) {
        return credentials.scrambledPasswordSourceMac == camera.macText
                   ? unscramblePassword(credentials.scrambledPassword)
                   : std::string();
    }
    return credentials.credentialSourceMac == camera.macText ? camera.passwordCredential
                                                             : std::string();
}

} // namespace vistrel
