// The main window's part in a new camera's first set-up: the DHCP wait that GetDhcp_Timer
// ticks, with its three ends (the wizard's page 1, its page 9 with the failure message, or the
// login), the camera's status, survey and wireless replies, and what the wizard's pages ask of
// the main window. The rules are the set-up layer's; this file shows what they decide.

#include "camhttp/windows/form_login.h"
#include "config/panel_opening.h"
#include "localization/language_keys.h"
#include "localization/windows/localization.h"
#include "platform/camera_text.h"
#include "setup/reported_password.h"
#include "setup/status_replies.h"
#include "shell/main_window.h"
#include "shell/message_windows/form_waiting.h"
#include "shell/message_windows/message_windows.h"
#include "wizard/form_wizard.h"

namespace vistrel {

namespace {

// Model codes 19 to 26 take 63-character names, the others 31.
constexpr LengthLimits setUpLoginLimits(std::uint8_t modelCode) {
    return {modelCode >= 19 && modelCode <= 26 ? 63 : 31, kSetupLengthLimits.password};
}

AddressTexts addressTextsOf(const TDeviceItem& camera) {
    return {camera.ipText, camera.netmaskText, camera.gatewayText, camera.dnsText};
}

} // namespace

void TMainForm::startDhcpWait(const std::string& defaultPasswordDigestText) {
    dhcpWait_.start(defaultPasswordDigestText);
    GetDhcp_Timer_.start();
}

void TMainForm::runDhcpWait() {
    if (!dhcpWait_.active()) {
        return;
    }
    const DhcpWaitTick tick = dhcpWait_.tick(reportedPassword(config_));
    if (dhcpWait_.digestVerified()) {
        config_.credentials.digestVerified = true;
    }
    if (tick.sendStatusRequest) {
        sender_.SendDatagram(config_.templates.DhcpStatusQuery);
    }
    switch (tick.outcome) {
    case DhcpWaitOutcome::Waiting:
        return;
    case DhcpWaitOutcome::Ready:
        openDhcpPage();
        return;
    case DhcpWaitOutcome::Failed:
        openManualConfigPage();
        return;
    case DhcpWaitOutcome::NeedsLogin:
        openSetUpLogin();
        return;
    }
}

void TMainForm::openDhcpPage() {
    LoadPanelFromCamera(config_);
    GetDhcp_Timer_.stop();
    TForm_Wizard_->show();
    TForm_Wizard_->openDhcpPage(addressTextsOf(config_.camera));
}

// The wizard stays hidden until the message box's OK shows it.
void TMainForm::openManualConfigPage() {
    DhcpFailed_ = true;
    LoadPanelFromCamera(config_);
    const QString& section = language_.languageSection();
    TForm_Wizard_->prepareManualConfigPage(
        addressTextsOf(config_.camera), LookupText(section, QStringLiteral("TntButton_T3_Next")));
    messages_->ShowMessageBoxModeless(LookupText(section, language_keys::kDhcpFailed),
                                      QStringLiteral("Warning"));
    GetDhcp_Timer_.stop();
}

// The camera's password is not the factory one: the login in set-up mode, shown without
// modality, leads to the wizard's page 2 or 12.
void TMainForm::openSetUpLogin() {
    const CameraListRow* row = selectedRow();
    const std::string name = row ? row->columns[kColumnName] : config_.camera.cameraName;
    applyLengthLimits(config_.panel, setUpLoginLimits(config_.camera.modelCode));
    TForm_Login_->setPasswordMaxLength(kSetupLengthLimits.password);
    TForm_Login_->PrepareOpening(fromCameraText(name), /*previewMode=*/false);
    disableMainWindow();
    TForm_Login_->show();
    GetDhcp_Timer_.stop();
}

void TMainForm::onStatusReply(ReplyCode code, std::uint8_t status) {
    applyStatusReply(code, status, dhcpWait_, TForm_Wizard_->state());
}

void TMainForm::SendDatagram(Bytes datagram) {
    sender_.SendDatagram(datagram);
}

void TMainForm::trackCameraAddress() {
    discovery_.setTrackCameraAddress(true);
}

std::string TMainForm::cameraAddress() const {
    return discovery_.cameraAddress();
}

void TMainForm::setLoginPassword(const std::string& password) {
    TForm_Login_->setPasswordText(fromCameraText(password));
}

void TMainForm::ShowMessageBox(const QString& text, const QString& title) {
    messages_->ShowMessageBox(text, title);
}

void TMainForm::showWaitingWindow(bool visible) {
    TForm_Waiting_->setVisible(visible);
}

void TMainForm::ShowFinish(const QString& message, const QString& link) {
    messages_->ShowFinish(message, link);
}

// Kept as the camera sent it; page 6's OK builds the record it sends afresh.
void TMainForm::onWirelessRecordReply(const WirelessRecord& record) {
    TForm_Wizard_->state().WirelessRecord = record;
}

// Listed whichever camera sent it, with the security names of the selected camera's firmware.
void TMainForm::onSiteSurveyReply(const std::vector<SiteSurveyEntry>& entries) {
    TForm_Wizard_->onSiteSurveyReply(entries, config_.credentials.ExtendedSecurityModes);
}

} // namespace vistrel
