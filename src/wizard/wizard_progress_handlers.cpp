// The wizard's tests: Timer_Wizard's tick, the buttons that start and end the cloud tests of
// pages 1 and 9 and the link test of page 7, and the page changes around them. The rules are
// the set-up layer's; this file shows what they decide.

#include "config/panel_opening.h"
#include "discovery/model_names.h"
#include "platform/camera_text.h"
#include "protocol/address_text.h"
#include "protocol/factory_defaults.h"
#include "setup/manual_config_next.h"
#include "wizard/form_wizard.h"
#include "wizard/wizard_host.h"
#include "wizard/wizard_setup_host.h"

#include <QLineEdit>
#include <QRadioButton>

namespace vistrel {

namespace {

template <typename Control> AddressTexts textsOf(const std::array<Control*, 4>& controls) {
    AddressTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = toCameraText(controls[i]->text());
    }
    return texts;
}

template <typename Control>
void setTexts(const std::array<Control*, 4>& controls, const AddressTexts& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        controls[i]->setText(fromCameraText(texts[i]));
    }
}

// Page 9's edits take digits and dots alone, so they get the addresses without the blanks that
// align the octets elsewhere; the check reads either form alike.
void setFixedAddressEdits(const AddressEdits& edits, const AddressTexts& texts) {
    AddressTexts withoutBlanks;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        withoutBlanks[i] = removeBlanks(texts[i]);
    }
    setTexts(edits, withoutBlanks);
}

} // namespace

void TForm_Wizard::connectProgressPages() {
    connect(&Timer_Wizard_, &QTimer::timeout, this, &TForm_Wizard::Timer_WizardTimer);
    const auto onClick = [this](QPushButton* button, void (TForm_Wizard::*handler)()) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    onClick(pages_.dhcp.next, &TForm_Wizard::Button_T1_NextClick);
    onClick(pages_.wire.next, &TForm_Wizard::Button_T3_NextClick);
    onClick(pages_.wireless.no, &TForm_Wizard::Button_T4_NoClick);
    onClick(pages_.test.next, &TForm_Wizard::Button_T7_NextClick);
    onClick(pages_.test.cancel, &TForm_Wizard::Button_T7_CancelClick);
    onClick(pages_.rePlugIn.ok, &TForm_Wizard::Button_T8_OKClick);
    onClick(pages_.manualConfig.next, &TForm_Wizard::Button_T9_NextClick);
    onClick(pages_.cloudFailed.retry, &TForm_Wizard::Button_T10_RetryClick);
    onClick(pages_.cloudFailed.cancel, &TForm_Wizard::Button_T10_CancelClick);
}

void TForm_Wizard::sendRequest(WizardRequest request) {
    if (!host_ || !setupHost_) {
        return;
    }
    const RequestTemplates& templates = host_->configuration().templates;
    switch (request) {
    case WizardRequest::Survey:
        setupHost_->SendDatagram(templates.SurveyRequest);
        return;
    case WizardRequest::LinkTest:
        setupHost_->SendDatagram(templates.LinkTestRequest);
        return;
    case WizardRequest::Discovery:
        setupHost_->SendDatagram(templates.DiscoveryRequest);
        return;
    case WizardRequest::WpsStatus:
        setupHost_->SendDatagram(templates.WpsStatusRequest);
        return;
    }
}

QString TForm_Wizard::textOf(const WizardText& text) const {
    if (text.key.empty()) {
        return {};
    }
    const QString found = host_ ? host_->wizardText(text.key) : QString();
    return found +
           QString::fromLatin1(text.suffix.data(), static_cast<qsizetype>(text.suffix.size()));
}

QLabel* TForm_Wizard::countdownLabel(WizardPage page) const {
    switch (page) {
    case WizardPage::Dhcp:
        return pages_.dhcp.seconds;
    case WizardPage::Test:
        return pages_.test.seconds;
    case WizardPage::ManualConfig:
        return pages_.manualConfig.seconds;
    default:
        return pages_.wpsSetup.seconds;
    }
}

void TForm_Wizard::showCountdown(const Countdown& countdown) {
    QLabel* label = countdownLabel(countdown.page);
    label->setText(QString::number(countdown.seconds));
    label->show();
}

WizardTickInput TForm_Wizard::tickInput() const {
    WizardTickInput input;
    input.shownPage = shownPage();
    input.dhcpAddresses = textsOf(pages_.dhcp.addresses);
    input.fixedAddresses = textsOf(pages_.manualConfig.edits);
    if (host_) {
        const TDeviceItem& camera = host_->configuration().camera;
        input.wirelessModel = IsWirelessModel(camera.modelCode);
        input.cameraIpText = camera.ipText;
    }
    if (setupHost_) {
        input.cameraAddress = setupHost_->cameraAddress();
    }
    return input;
}

// A countdown runs on in the hidden window, and so does the survey repeat.
void TForm_Wizard::Timer_WizardTimer() {
    const WizardTick tick = wizardTick(state_, tickInput());
    for (const WizardRequest request : tick.requests) {
        sendRequest(request);
    }
    if (tick.trackCameraAddress && setupHost_) {
        setupHost_->trackCameraAddress();
    }
    if (tick.stopTimer) {
        Timer_Wizard_.stop();
    }
    if (tick.countdown) {
        countdownLabel(tick.countdown->page)->setText(QString::number(tick.countdown->seconds));
    }
    if (tick.cloudTestEnd) {
        showCloudTestEnd(*tick.cloudTestEnd);
    }
    if (tick.waitEnd) {
        showWaitEnd(*tick.waitEnd);
    }
}

void TForm_Wizard::showCloudTestEnd(const CloudTestEnd& end) {
    if (end.loadPanelFromCamera && host_) {
        LoadPanelFromCamera(host_->configuration());
    }
    if (end.fixedAddressEdits) {
        setFixedAddressEdits(pages_.manualConfig.edits, *end.fixedAddressEdits);
    }
    const AddressValues& values = end.nextPage == WizardPage::Wire ? pages_.wire.values
                                  : end.nextPage == WizardPage::Wireless
                                      ? pages_.wireless.values
                                      : pages_.cloudFailed.values;
    setTexts(values, end.values);
    ShowPage(end.nextPage);
}

void TForm_Wizard::showWaitEnd(const WaitEnd& end) {
    const bool linkTest = end.page == WizardPage::Test;
    QLabel* seconds = linkTest ? pages_.test.seconds : pages_.wpsSetup.seconds;
    TTntButton* action = linkTest ? pages_.test.next : pages_.wpsSetup.start;
    TTntButton* cancel = linkTest ? pages_.test.cancel : pages_.wpsSetup.cancel;
    seconds->hide();
    for (std::size_t i = 0; i < end.results.size(); ++i) {
        TTntLabel* line = linkTest ? pages_.test.results.at(i) : pages_.wpsSetup.results.at(i);
        line->setText(textOf(end.results[i]));
        line->show();
    }
    action->setText(textOf(end.actionCaption));
    action->setEnabled(true);
    cancel->setEnabled(true);
    // A passed link test goes on only through Next; after a failed one the user may also give up.
    cancel->setVisible(!linkTest || !end.confirmed);
}

void TForm_Wizard::openDhcpPage(const AddressTexts& addresses) {
    setTexts(pages_.dhcp.addresses, addresses);
    pages_.dhcp.seconds->hide();
    ShowPage(WizardPage::Dhcp);
    Button_T1_NextClick();
}

// A timer left running by an earlier set-up would count page 9's test down before its Next
// was pressed and fail it unseen; the test runs only from Next.
void TForm_Wizard::prepareManualConfigPage(const AddressTexts& addresses,
                                           const QString& nextCaption) {
    Timer_Wizard_.stop();
    setFixedAddressEdits(pages_.manualConfig.edits, addresses);
    pages_.manualConfig.seconds->hide();
    pages_.manualConfig.next->setEnabled(true);
    pages_.manualConfig.next->setText(nextCaption);
    ShowPage(WizardPage::ManualConfig);
}

void TForm_Wizard::Button_T1_NextClick() {
    const Countdown countdown = startCloudTest(state_);
    Timer_Wizard_.start();
    showCountdown(countdown);
}

void TForm_Wizard::Button_T3_NextClick() {
    ShowPage(WizardPage::Name);
}

void TForm_Wizard::Button_T4_NoClick() {
    ShowPage(WizardPage::Name);
}

void TForm_Wizard::Button_T7_NextClick() {
    TestPage& page = pages_.test;
    const LinkTestNext next = linkTestNext(state_, !page.results[2]->isHidden());
    page.seconds->setText(QString::number(next.countdown.seconds));
    if (next.showPage != WizardPage::None) {
        ShowPage(next.showPage);
        return;
    }
    Timer_Wizard_.start();
    page.seconds->show();
    page.next->setText(textOf(next.waitCaption));
    page.next->setEnabled(false);
    page.cancel->hide();
    sendRequest(WizardRequest::LinkTest);
}

void TForm_Wizard::Button_T8_OKClick() {
    pages_.wconfig.ssidText->clear();
    pages_.wconfig.password->clear();
    ShowPage(WizardPage::WConfig);
}

void TForm_Wizard::Button_T9_NextClick() {
    if (!host_) {
        return;
    }
    ManualConfigPage& page = pages_.manualConfig;
    const AddressTexts typed = textsOf(page.edits);
    CameraConfiguration& config = host_->configuration();
    const ManualTestStart start = startFixedAddressTest(
        config, state_, {typed[0], typed[1], typed[2], typed[3]}, host_->cameraRowSelected());
    if (start.started()) {
        page.next->setEnabled(false);
        page.next->setText(textOf({"Wait", {}}));
        if (config.credentials.digestVerified && setupHost_) {
            setupHost_->setLoginPassword(std::string(kFactoryAdminPassword));
        }
        host_->finishConfirm(start.confirm);
        Timer_Wizard_.start();
        showCountdown(start.countdown);
        page.radios.dhcp->setEnabled(false);
        page.radios.staticIp->setEnabled(false);
        for (QLineEdit* edit : page.edits) {
            edit->setEnabled(false);
        }
    } else {
        host_->showWarning(*start.warning);
    }
    host_->RestartSearch();
    activateWindow();
}

void TForm_Wizard::Button_T10_RetryClick() {
    ManualConfigPage& page = pages_.manualConfig;
    page.seconds->hide();
    page.next->setEnabled(true);
    page.next->setText(textOf({"TntButton_T3_Next", {}}));
    page.radios.dhcp->setEnabled(true);
    page.radios.staticIp->setEnabled(true);
    if (host_) {
        LoadPanelFromCamera(host_->configuration());
    }
    ShowPage(WizardPage::ManualConfig);
}

void TForm_Wizard::Button_T7_CancelClick() {
    cancelNetworkSetup();
}

void TForm_Wizard::Button_T10_CancelClick() {
    cancelNetworkSetup();
}

// The message box is always on top, so it shows above the wizard.
void TForm_Wizard::cancelNetworkSetup() {
    if (setupHost_) {
        setupHost_->ShowMessageBox(textOf({"Cancel_Network_Setup", {}}), QStringLiteral("Admin"));
    }
    state_.AskBeforeClose = false;
    close();
}

} // namespace vistrel
