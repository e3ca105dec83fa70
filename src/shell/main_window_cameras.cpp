// The main window's handling of the selected camera: selection and the settings it brings in,
// configure, the double-click that opens a camera, the login that guards it and what a passed
// login opens, and the camera's web page. The rules are the configuration layer's; this file
// shows what they decide.

#include "camhttp/windows/form_login.h"
#include "config/camera_opening.h"
#include "config/camera_selection.h"
#include "config/panel_opening.h"
#include "config/settings_reply_application.h"
#include "config/web_page_url.h"
#include "localization/language_keys.h"
#include "localization/windows/localization.h"
#include "platform/camera_text.h"
#include "shell/main_window.h"
#include "shell/message_windows/message_windows.h"
#include "wizard/form_wizard.h"

#include <QLineEdit>
#include <QTabWidget>

namespace vistrel {

namespace {

const QString kWarningTitle = QStringLiteral("Warning");

} // namespace

void TMainForm::onSettingsReply(Bytes datagram) {
    applySettingsReply(config_, datagram);
}

const CameraListRow* TMainForm::selectedRow() const {
    const int index = cameraList_.selectedIndex();
    return index >= 0 ? &cameraList_.row(index) : nullptr;
}

void TMainForm::IPCAM_ListViewClick() {
    selectCamera(config_, cameraList_, discovery_, sender_);
}

// The list view's selection changes by a click on a card, which runs the selection itself, and
// by a search, which empties the list: then nothing is selected any more.
void TMainForm::MoveListItem() {
    IPCAM_ListViewClick();
}

void TMainForm::Image_ConfigClick() {
    const ConfigureResult result = prepareConfigureLogin(config_, selectedRow());
    if (result.warning) {
        showWarning(*result.warning);
        return;
    }
    TntComboBox_LangChange();
    openLogin(fromCameraText(result.login.userName), result.login.passwordMaxLength,
              /*previewMode=*/false);
}

void TMainForm::IPCAM_TntListViewDblClick() {
    const CameraOpening opening =
        cameraOpening(config_, search_.busy(), selectedRow(), discovery_.newCameraNames());
    switch (opening.kind) {
    case OpeningKind::Busy:
    case OpeningKind::NoSelection:
        showWarning(*opening.warning);
        return;
    case OpeningKind::DhcpWait:
        startDhcpWait(opening.defaultPasswordDigestText);
        return;
    case OpeningKind::Login:
        openLogin(fromCameraText(opening.loginUserName), opening.loginPasswordMaxLength,
                  /*previewMode=*/false);
        return;
    }
}

void TMainForm::openLogin(const QString& cameraName, int passwordMaxLength, bool previewMode) {
    TForm_Login_->setPasswordMaxLength(passwordMaxLength);
    TForm_Login_->PrepareOpening(cameraName, previewMode);
    disableMainWindow();
    TForm_Login_->exec();
}

void TMainForm::PreviewMode(bool previewModeFlag) {
    if (previewModeFlag) {
        openLivePreview();
    } else {
        openSetUpWizard();
    }
}

void TMainForm::openSetUpWizard() {
    const int index = ListBox_IPCAM_->currentIndex();
    const int state =
        index >= 0 && index < cameraList_.rowCount() ? cameraList_.entry(index).state : 0;
    const SetUpPages setUp = setUpPagesAfterLogin(config_, state);
    WizardPages& pages = TForm_Wizard_->pages();
    for (std::size_t i = 0; i < setUp.addressTexts.size(); ++i) {
        const QString text = fromCameraText(setUp.addressTexts[i]);
        pages.network.edits[i]->setText(text);
        pages.oldNetwork.edits[i]->setText(text);
    }
    if (setUp.lanTabInFront) {
        pages.oldNetwork.tabs->setCurrentWidget(pages.oldNetwork.lanTab);
    }
    TForm_Wizard_->ShowPage(setUp.page);
    TForm_Wizard_->show();
}

void TMainForm::Image_BrowserClick() {
    const WebPageTarget target = webPageTarget(config_.camera, cameraList_.selectedIndex() >= 0);
    if (target.warning) {
        showWarning(*target.warning);
        return;
    }
    if (!openUrl_(QUrl(fromCameraText(target.url)))) {
        showWarning(Warning::key(language_keys::kOpenBrowserFailed));
    }
}

// Rows and entries go together here, and a search already forgets the highlighted card.
void TMainForm::RestartSearch() {
    Image_Search_CameraClick();
}

void TMainForm::showWarning(const Warning& warning) {
    messages_->ShowMessageBox(textOf(warning), kWarningTitle);
}

QString TMainForm::textOf(const Warning& warning) {
    return warningText(warning, language_.languageSection());
}

void TMainForm::emptyWizardPassword() {
    TForm_Wizard_->pages().name.account.password->clear();
}

void TMainForm::showLoginMessage(const QString& text) {
    messages_->ShowMessageBoxModalMainEnabled(text, kWarningTitle);
}

std::string TMainForm::loginPassword() const {
    return toCameraText(TForm_Login_->PasswordText());
}

bool TMainForm::cameraRowSelected() const {
    return cameraList_.selectedIndex() >= 0;
}

void TMainForm::finishConfirm(const ConfirmResult& result) {
    if (result.status != ConfirmStatus::Ready) {
        showWarning(*result.warning);
        return;
    }
    sender_.SendDatagram(result.datagram);
    Image_Search_CameraClick();
}

std::uint8_t TMainForm::AskOkCancel(const QString& text, const QString& title) {
    return messages_->AskOkCancel(text, title);
}

QString TMainForm::wizardText(std::string_view key) {
    return LookupText(language_.wizardLanguageSection(), key);
}

} // namespace vistrel
