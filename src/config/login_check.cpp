#include "config/login_check.h"

#include "base/ascii_case.h"
#include "base/byte_layout.h"
#include "config/warning_keys.h"
#include "protocol/address_text.h"
#include "protocol/password_digest.h"

namespace vistrel {

namespace {

// Whether the password the finder holds came from the selected camera's own reply.
bool reportedBySelectedCamera(const CameraConfiguration& config) {
    const CameraCredentials& credentials = config.credentials;
    const std::string& source = config.camera.xmlMode ? credentials.scrambledPasswordSourceMac
                                                      : credentials.credentialSourceMac;
    return !config.camera.macText.empty() && source == config.camera.macText;
}

LoginResult refused(std::string_view key) {
    return {LoginOutcome::Refused, Warning::key(key)};
}

LoginResult checkDigest(CameraConfiguration& config, std::string_view typedPassword) {
    const auto mac = parseMacText(config.camera.macText);
    const std::string digest = mac ? passwordDigestText(*mac, typedPassword) : std::string();
    if (digest.empty() || !equalIgnoringAsciiCase(digest, config.camera.passwordCredential)) {
        return refused(warning_keys::kWrongPassword);
    }
    config.credentials.digestVerified = true;
    writeText(config.longRecord, kLongRecordLayout.password, kRecordPasswordSize, typedPassword);
    return {LoginOutcome::PassedByDigest, std::nullopt};
}

} // namespace

LoginResult checkLoginPassword(CameraConfiguration& config, std::string_view typedPassword) {
    if (!reportedBySelectedCamera(config)) {
        return refused(warning_keys::kSettingsNotReceived);
    }
    if (config.camera.xmlMode) {
        const bool matches =
            typedPassword == unscramblePassword(config.credentials.scrambledPassword);
        return matches ? LoginResult{LoginOutcome::PassedByPassword, std::nullopt}
                       : refused(warning_keys::kWrongPassword);
    }
    if (typedPassword == config.credentials.credentialCopy) {
        return {LoginOutcome::PassedByPassword, std::nullopt};
    }
    return checkDigest(config, typedPassword);
}

} // namespace vistrel
