// The main window's live picture: the reachability probe, the preview after a login for the
// live picture, and the preview after the set-up. The preview window reads the stream of the
// selected camera with the password the user gave last.

#include "camhttp/windows/form_login.h"
#include "camhttp/windows/form_preview.h"
#include "platform/camera_text.h"
#include "probe/reachability_probe.h"
#include "shell/main_window.h"
#include "shell/message_windows/message_box_wchar.h"
#include "ui/busy_wait.h"
#include "wizard/form_wizard.h"

#include <QLineEdit>

namespace vistrel {

void TMainForm::connectPreviewWindow() {
    TForm_Preview_->setStreamTargetSource([this] {
        return StreamTarget{config_.camera.ipTextNoBlanks, config_.camera.webPort,
                            streamPassword()};
    });
}

std::string TMainForm::streamPassword() const {
    const QString wizardPassword = TForm_Wizard_->pages().name.account.password->text();
    return toCameraText(wizardPassword.isEmpty() ? TForm_Login_->PasswordText() : wizardPassword);
}

bool TMainForm::Probe_Camera(const std::string& address) {
    bool reachable = false;
    const std::uint16_t webPort = config_.camera.webPort;
    runWithBusyCursor([&] { reachable = ::vistrel::Probe_Camera(address, webPort); });
    return reachable;
}

QString TMainForm::connectFailedText() {
    return textOf(Warning::key("Connect_Camera_Failed1")) + QStringLiteral("\r\n\r\n") +
           textOf(Warning::key("Connect_Camera_Failed2"));
}

void TMainForm::openLivePreview() {
    if (Probe_Camera(config_.camera.ipTextNoBlanks)) {
        TForm_Preview_->Open_Preview(*this);
    } else {
        showLoginMessage(connectFailedText());
    }
}

void TMainForm::handOverToPreview(bool withReachabilityCheck,
                                  const std::function<void()>& closeWindow) {
    if (withReachabilityCheck && !Probe_Camera(config_.camera.ipTextNoBlanks)) {
        TMessage_Box_Wchar_->SetMessage(connectFailedText(), QStringLiteral("Warning"));
        return;
    }
    closeWindow();
    TForm_Preview_->Open_PreviewAfterSetup(*this, [this] { RestartSearch(); });
}

} // namespace vistrel
