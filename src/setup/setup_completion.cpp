#include "setup/setup_completion.h"

#include "base/ascii_case.h"
#include "base/byte_layout.h"
#include "config/camera_opening.h"
#include "config/panel_addresses.h"
#include "config/panel_opening.h"
#include "config/security_check.h"
#include "protocol/factory_defaults.h"
#include "protocol/settings_request.h"

#include <algorithm>

namespace vistrel {

namespace {

constexpr std::size_t kMacGroups = 6;
constexpr std::size_t kMacGroupStride = 3; // two digits and a colon

void putPageIntoPanel(CameraConfiguration& config, const WizardNameTexts& texts) {
    SettingsPanel& panel = config.panel;
    panel.STATIC_SETTING_CAMERANAME_EDIT.text = texts.name;
    panel.STATIC_SETTING_NEWPASSWORD_EDIT.text = texts.password;
    panel.STATIC_SETTING_CONFIRMPASSWORD_EDIT.text = texts.confirmation;
    const TDeviceItem& camera = config.camera;
    PutAddressesInPanel(panel, camera.ipText, camera.netmaskText, camera.gatewayText,
                        camera.dnsText);
}

std::string withoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
}

// The password field of the settings records, in the form each record carries it.
void putPasswordIntoRecords(CameraConfiguration& config, const std::string& password) {
    const std::string shortForm = config.camera.xmlMode ? escapeXmlText(password) : password;
    writeText(config.shortRecord, kShortRecordLayout.password, kRecordPasswordSize, shortForm);
    writeText(config.longRecord, kLongRecordLayout.password, kRecordPasswordSize, password);
}

// The camera reported its factory password in plain text. Page 5 follows the DHCP wait of a new
// camera, so this is the password its settings must prove, whatever the login's edit holds.
bool reportsFactoryPassword(const TDeviceItem& camera) {
    return equalIgnoringAsciiCase(camera.passwordCredential, kFactoryAdminPassword);
}

std::vector<std::uint8_t> longSetupMark(CameraConfiguration& config) {
    RequestTemplates& templates = config.templates;
    templates.setAuthenticationText(defaultPasswordDigestTextOf(config.camera));
    return {templates.Command27AuthRequest.begin(), templates.Command27AuthRequest.end()};
}

} // namespace

SetupCompletion completeSetup(CameraConfiguration& config, const WizardNameTexts& texts,
                              bool digestVerified, std::string_view loginPassword,
                              bool rowSelected) {
    LoadPanelFromCamera(config);
    putPageIntoPanel(config, texts);
    if (CheckResult check = Check_Security_Settings(config); !check.passed()) {
        return {std::move(check.warning), {}, std::nullopt, {}, {}};
    }
    config.camera.ipTextNoBlanks = withoutBlanks(config.camera.ipText);
    SetupCompletion completion;
    if (digestVerified || reportsFactoryPassword(config.camera)) {
        completion.loginPassword = std::string(kFactoryAdminPassword);
    }
    if (digestVerified) {
        completion.setupMark = longSetupMark(config);
        putPasswordIntoRecords(config,
                               texts.password.empty() ? *completion.loginPassword : texts.password);
    } else {
        const auto& mark = config.templates.Command27Request;
        completion.setupMark.assign(mark.begin(), mark.end());
    }
    const std::string_view proof =
        completion.loginPassword ? *completion.loginPassword : loginPassword;
    completion.confirm = Image_Settings_OKClick(config, proof, rowSelected);
    if (completion.confirm.status != ConfirmStatus::Ready) {
        completion.warning = completion.confirm.warning;
        return completion;
    }
    completion.link = dynamicDnsLink(config.camera.macText);
    return completion;
}

std::string dynamicDnsLink(std::string_view macText) {
    std::string link = "http://";
    for (std::size_t group = 0; group < kMacGroups; ++group) {
        const std::size_t start = group * kMacGroupStride;
        if (start < macText.size()) {
            link += macText.substr(start, 2);
        }
    }
    link += '.';
    link += kDynamicDnsDomain;
    return link;
}

std::u16string completionMessage(std::u16string_view cameraName, std::u16string_view complete1,
                                 std::u16string_view complete2) {
    std::u16string message(cameraName);
    message += u"\r\n\r\n";
    message += complete1;
    message += u"\r\n";
    message += complete2;
    message += u"\r\n\r\n";
    return message;
}

} // namespace vistrel
