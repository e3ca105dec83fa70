// Page 5's OK, the end of a new camera's set-up: the set-up mark and the camera's name and
// password go out, the wizard closes without asking, and the finish window shows the
// completion message with the camera's dynamic-DNS address.

#include "localization/language_keys.h"
#include "platform/camera_text.h"
#include "setup/setup_completion.h"
#include "wizard/form_wizard.h"
#include "wizard/wizard_host.h"
#include "wizard/wizard_setup_host.h"

#include <QLineEdit>

namespace vistrel {

namespace {

WizardNameTexts nameTextsOf(const AccountRows& account) {
    return {cameraTextOf(*account.name), toCameraText(account.password->text()),
            toCameraText(account.confirm->text())};
}

} // namespace

void TForm_Wizard::Button_T5_OKClick() {
    if (!host_ || !setupHost_) {
        return;
    }
    CameraConfiguration& config = host_->configuration();
    const AccountRows& account = pages_.name.account;
    const SetupCompletion completion =
        completeSetup(config, nameTextsOf(account), config.credentials.digestVerified,
                      host_->loginPassword(), host_->cameraRowSelected());
    if (completion.staysOnPage()) {
        host_->showWarning(*completion.warning);
        return;
    }
    if (completion.loginPassword) {
        setupHost_->setLoginPassword(*completion.loginPassword);
    }
    for (int i = 0; i < kSetupMarkRepeats; ++i) {
        setupHost_->SendDatagram(completion.setupMark);
    }
    host_->finishConfirm(completion.confirm);
    const std::u16string message =
        completionMessage(account.name->text().toStdU16String(),
                          text(language_keys::kSetupComplete1).toStdU16String(),
                          text(language_keys::kSetupComplete2).toStdU16String());
    // The message box is always on top already.
    state_.SetupCompleted = true;
    state_.AskBeforeClose = false;
    close();
    setupHost_->ShowFinish(QString::fromStdU16String(message), fromCameraText(completion.link));
}

} // namespace vistrel
