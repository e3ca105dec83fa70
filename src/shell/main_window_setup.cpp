// The main window's part in the wizard's wireless set-up and completion: the camera's wireless
// replies handed to the wizard, and the windows the wizard's pages show.

#include "camhttp/windows/form_login.h"
#include "shell/main_window.h"
#include "shell/message_windows/form_waiting.h"
#include "shell/message_windows/message_windows.h"
#include "ui/camera_text.h"
#include "wizard/form_wizard.h"

namespace vistrel {

// Kept as the camera sent it; page 6's OK builds the record it sends afresh.
void TMainForm::onWirelessRecordReply(const WirelessRecord& record) {
    TForm_Wizard_->state().WirelessRecord = record;
}

// Listed whichever camera sent it, with the security names of the selected camera's firmware.
void TMainForm::onSiteSurveyReply(const std::vector<SiteSurveyEntry>& entries) {
    TForm_Wizard_->onSiteSurveyReply(entries, config_.credentials.ExtendedSecurityModes);
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

void TMainForm::setLoginPassword(const std::string& password) {
    TForm_Login_->setPasswordText(fromCameraText(password));
}

} // namespace vistrel
