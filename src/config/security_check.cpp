#include "config/security_check.h"

#include "base/byte_layout.h"
#include "config/warning_keys.h"
#include "protocol/password_digest.h"
#include "protocol/settings_request.h"

namespace vistrel {

namespace {

// The name field of the record the camera will be sent.
std::size_t nameFieldSizeOf(const TDeviceItem& camera) {
    return usesShortSettingsLayout(camera.modelCode) ? kShortRecordLayout.nameSize
                                                     : kLongRecordLayout.nameSize;
}

template <std::size_t N>
void storePassword(std::array<std::uint8_t, N>& record, const SettingsRecordLayout& layout,
                   std::string_view password) {
    writeText(record, layout.password, kRecordPasswordSize, password);
}

void storeName(CameraConfiguration& config, std::string_view name) {
    writeText(config.shortRecord, kShortRecordLayout.name, kShortRecordLayout.nameSize, name);
    writeText(config.longRecord, kLongRecordLayout.name, kLongRecordLayout.nameSize, name);
}

CheckResult refusePassword(SettingsPanel& panel, std::string_view key) {
    panel.emptyPasswordFields();
    return CheckResult::refuse(Warning::key(key));
}

// The new password as it goes into the records: escaped for the document of an XML-mode
// camera, as typed for the fixed layouts.
std::string recordFormOf(const TDeviceItem& camera, const std::string& password) {
    return camera.xmlMode ? escapeXmlText(password) : password;
}

CheckResult checkNewPassword(CameraConfiguration& config) {
    SettingsPanel& panel = config.panel;
    const std::string& password = panel.STATIC_SETTING_NEWPASSWORD_EDIT.text;
    if (password != panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT.text) {
        return refusePassword(panel, warning_keys::kPasswordsDiffer);
    }
    if (password.size() < kShortestPassword) {
        return refusePassword(panel, warning_keys::kPasswordTooShort);
    }
    const std::string stored = recordFormOf(config.camera, password);
    if (stored.size() > kRecordPasswordSize) {
        return refusePassword(panel, warning_keys::kPasswordTooLong);
    }
    storePassword(config.shortRecord, kShortRecordLayout, stored);
    storePassword(config.longRecord, kLongRecordLayout, password);
    return CheckResult::pass();
}

} // namespace

CheckResult Check_Security_Settings(CameraConfiguration& config) {
    SettingsPanel& panel = config.panel;
    const std::string& name = panel.STATIC_SETTING_CAMERANAME_EDIT.text;
    if (name.empty()) {
        return CheckResult::refuse(Warning::key(warning_keys::kCameraNameEmpty));
    }
    // The document of an XML-mode camera carries its current password unless a new one is set.
    bool currentPasswordFits = true;
    if (config.camera.xmlMode) {
        const std::string current =
            escapeXmlText(unscramblePassword(config.credentials.scrambledPassword));
        currentPasswordFits = current.size() <= kRecordPasswordSize;
        storePassword(config.shortRecord, kShortRecordLayout, currentPasswordFits ? current : "");
    } else if (name.size() > nameFieldSizeOf(config.camera)) {
        return CheckResult::refuse(Warning::key(warning_keys::kCameraNameTooLong));
    } else {
        storeName(config, name);
    }
    const bool keepsPassword = panel.STATIC_SETTING_NEWPASSWORD_EDIT.text.empty() &&
                               panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT.text.empty();
    if (keepsPassword) {
        return currentPasswordFits
                   ? CheckResult::pass()
                   : CheckResult::refuse(Warning::key(warning_keys::kCurrentPasswordTooLong));
    }
    return checkNewPassword(config);
}

} // namespace vistrel
