// The handlers of pages 2 and 12, which change a camera's address, name and password through
// the settings panel, and the closing of the wizard that asks before the user leaves.

#include "config/wizard_settings_pages.h"
#include "localization/language_keys.h"
#include "platform/camera_text.h"
#include "wizard/address_edit_validator.h"
#include "wizard/form_wizard.h"
#include "wizard/wizard_host.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QRadioButton>

namespace vistrel {

namespace {

WizardAddressTexts addressTextsOf(const AddressEdits& edits) {
    return {toCameraText(edits[0]->text()), toCameraText(edits[1]->text()),
            toCameraText(edits[2]->text()), toCameraText(edits[3]->text())};
}

WizardNameTexts nameTextsOf(const AccountRows& account) {
    return {cameraTextOf(*account.name), toCameraText(account.password->text()),
            toCameraText(account.confirm->text())};
}

} // namespace

void TForm_Wizard::connectSettingsPages() {
    for (const AddressEdits* edits :
         {&pages_.network.edits, &pages_.manualConfig.edits, &pages_.oldNetwork.edits}) {
        for (QLineEdit* edit : *edits) {
            new AddressEditValidator(edit);
        }
    }
    // A radio chooses when it becomes checked, whether by the mouse, the keyboard or an
    // assistive tool's toggle action; the pairs that follow the choice are set without signals.
    const auto whenChecked = [this](QRadioButton* radio, void (TForm_Wizard::*handler)()) {
        connect(radio, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked) {
                (this->*handler)();
            }
        });
    };
    for (const RadioPair* pair :
         {&pages_.network.radios, &pages_.manualConfig.radios, &pages_.oldNetwork.radios}) {
        whenChecked(pair->dhcp, &TForm_Wizard::RadioButton_T2_DHCPClick);
        whenChecked(pair->staticIp, &TForm_Wizard::RadioButton_T2_IPClick);
    }
    const OldNetworkPage& oldNetwork = pages_.oldNetwork;
    for (TTntButton* cancel : {pages_.network.cancel, oldNetwork.cancel, oldNetwork.cancel2}) {
        connect(cancel, &QPushButton::clicked, this, &TForm_Wizard::Button_T1_CancelClick);
    }
    for (TTntButton* advanced : {pages_.network.advanced, oldNetwork.advanced}) {
        connect(advanced, &QPushButton::clicked, this, &TForm_Wizard::Button_T1_AdClick);
    }
    connect(pages_.network.ok, &QPushButton::clicked, this, &TForm_Wizard::Button_T2_OKClick);
    for (TTntButton* ok : {oldNetwork.ok, oldNetwork.ok2}) {
        connect(ok, &QPushButton::clicked, this, &TForm_Wizard::TntButton_T12_OKClick);
    }
}

void TForm_Wizard::Button_T2_OKClick() {
    if (!host_) {
        return;
    }
    finishSettingsPage(confirmNetworkPage(host_->configuration(),
                                          addressTextsOf(pages_.network.edits),
                                          host_->loginPassword(), host_->cameraRowSelected()));
}

void TForm_Wizard::TntButton_T12_OKClick() {
    if (!host_) {
        return;
    }
    const OldNetworkPage& page = pages_.oldNetwork;
    finishSettingsPage(confirmOldNetworkPage(host_->configuration(), addressTextsOf(page.edits),
                                             nameTextsOf(page.account), host_->loginPassword(),
                                             host_->cameraRowSelected()));
}

// Whatever the confirm did, the camera may have moved: search again and close without asking.
void TForm_Wizard::finishSettingsPage(const WizardPageOk& ok) {
    if (ok.staysOnPage()) {
        host_->showWarning(*ok.warning);
        return;
    }
    host_->finishConfirm(ok.confirm);
    host_->RestartSearch();
    state_.AskBeforeClose = false;
    close();
}

// The message dialog that asks is always on top already, so it shows above the wizard.
void TForm_Wizard::Button_T1_CancelClick() {
    state_.AskBeforeClose = true;
    close();
}

void TForm_Wizard::Button_T1_AdClick() {
    if (host_) {
        host_->Image_BrowserClick();
    }
}

void TForm_Wizard::RadioButton_T2_DHCPClick() {
    if (host_) {
        host_->configuration().addressChoice.RadioButton_T2_DHCPClick();
    }
}

void TForm_Wizard::RadioButton_T2_IPClick() {
    if (host_) {
        host_->configuration().addressChoice.RadioButton_T2_IPClick();
    }
}

void TForm_Wizard::closeEvent(QCloseEvent* event) {
    std::uint8_t dialogResult = 1;
    if (state_.AskBeforeClose && host_) {
        dialogResult = host_->AskOkCancel(host_->wizardText(language_keys::kWantToLeave),
                                          QStringLiteral("Admin"));
    }
    state_.AskBeforeClose = true;
    if (dialogResult == 1) {
        leaveSurvey();
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace vistrel
