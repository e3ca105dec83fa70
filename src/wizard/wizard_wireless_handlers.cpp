// The wireless pages: page 4's Yes, the site-survey list of page 6 with the network chosen
// from it, and WPS on page 11. The requests are built by the set-up rules; these handlers send
// them, switch pages and show the messages.

#include "config/camera_opening.h"
#include "localization/language_keys.h"
#include "platform/camera_text.h"
#include "protocol/reply_layouts.h"
#include "setup/site_survey.h"
#include "setup/wireless_request.h"
#include "wizard/form_wizard.h"
#include "wizard/wizard_host.h"
#include "wizard/wizard_setup_host.h"

#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>

namespace vistrel {

namespace {

enum SurveyColumn : int { kColumnSsid = 0, kColumnSignal, kColumnEncryption, kColumnChannel };

constexpr int kWpsSeconds = 120;
const QString kErrorTitle = QStringLiteral("error");
const QString kAdminTitle = QStringLiteral("Admin");

// Each row keeps its SSID as the camera reported it, beside the caption shown: an SSID need not
// be text in the system's code page, and it goes back to the camera byte for byte.
constexpr int kSsidBytesRole = Qt::UserRole;

std::string ssidOf(const QTreeWidgetItem& row) {
    return row.data(kColumnSsid, kSsidBytesRole).toByteArray().toStdString();
}

std::vector<std::string> listedSsids(const QTreeWidget& list) {
    std::vector<std::string> ssids;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        ssids.push_back(ssidOf(*list.topLevelItem(i)));
    }
    return ssids;
}

// SSIDs are unique in the list, so the SSID shown names its row even when the user clicked
// beside it.
QTreeWidgetItem* rowOfSsid(const QTreeWidget& list, const std::string& ssid) {
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        if (ssidOf(*list.topLevelItem(i)) == ssid) {
            return list.topLevelItem(i);
        }
    }
    return nullptr;
}

WirelessChoice choiceOf(const WConfigPage& page) {
    WirelessChoice choice{
        cameraTextOf(*page.ssidText), toCameraText(page.password->text()), std::nullopt, {}};
    if (const QTreeWidgetItem* row = rowOfSsid(*page.survey, choice.ssid)) {
        choice.encryption = toCameraText(row->text(kColumnEncryption));
        choice.channel = toCameraText(row->text(kColumnChannel));
    }
    return choice;
}

} // namespace

void TForm_Wizard::connectWirelessPages() {
    const WConfigPage& p6 = pages_.wconfig;
    connect(pages_.wireless.yes, &QPushButton::clicked, this, &TForm_Wizard::Button_T4_YesClick);
    connect(p6.refresh, &QPushButton::clicked, this, &TForm_Wizard::Button_T6_RefreshClick);
    // A click chooses a row, and so does the keyboard, which moves the selection.
    connect(p6.survey, &QTreeWidget::itemClicked, this, &TForm_Wizard::ListView_P6Click);
    connect(p6.survey, &QTreeWidget::itemSelectionChanged, this, &TForm_Wizard::ListView_P6Click);
    connect(p6.ok, &QPushButton::clicked, this, &TForm_Wizard::Button_T6_OKClick);
    connect(p6.wps, &QToolButton::clicked, this, &TForm_Wizard::SpeedButton_T6Click);
    const WpsSetupPage& p11 = pages_.wpsSetup;
    connect(p11.start, &QPushButton::clicked, this, &TForm_Wizard::Button_T11_StartClick);
    connect(p11.cancel, &QPushButton::clicked, this, &TForm_Wizard::Button_T11_CancelClick);
    connect(pages_.name.ok, &QPushButton::clicked, this, &TForm_Wizard::Button_T5_OKClick);
}

QString TForm_Wizard::text(std::string_view key) const {
    return host_ ? host_->wizardText(key) : QString();
}

void TForm_Wizard::clearWirelessChoice() {
    pages_.wconfig.ssidText->clear();
    pages_.wconfig.password->clear();
}

// The survey request; the timer repeats it until an answer is listed.
void TForm_Wizard::askForSurvey() {
    const auto& request = host_->configuration().templates.SurveyRequest;
    setupHost_->SendDatagram(request);
    state_.SurveyReceived = false;
}

// WPS, OK and closing the wizard leave the survey: the waiting window goes, and the timer, which
// may run on for a test, asks no more.
void TForm_Wizard::leaveSurvey() {
    state_.SurveyReceived = true;
    if (setupHost_) {
        setupHost_->showWaitingWindow(false);
    }
}

void TForm_Wizard::Button_T4_YesClick() {
    if (!host_ || !setupHost_) {
        return;
    }
    askForSurvey();
    Timer_Wizard_.start(); // repeats the request until an answer is listed
    pages_.wconfig.survey->clear();
    clearWirelessChoice();
    ShowPage(WizardPage::WConfig);
    setupHost_->showWaitingWindow(true);
}

void TForm_Wizard::Button_T6_RefreshClick() {
    if (!host_ || !setupHost_) {
        return;
    }
    pages_.wconfig.survey->clear();
    askForSurvey();
    clearWirelessChoice();
    setupHost_->showWaitingWindow(true);
}

void TForm_Wizard::onSiteSurveyReply(const std::vector<SiteSurveyEntry>& entries,
                                     bool extendedSecurityModes) {
    QTreeWidget& list = *pages_.wconfig.survey;
    for (const SurveyRow& row :
         surveyRowsToAdd(listedSsids(list), entries, extendedSecurityModes)) {
        auto* item = new QTreeWidgetItem(
            &list, {fromCameraText(row.ssid), fromCameraText(row.signal),
                    fromCameraText(row.encryption), fromCameraText(row.channel)});
        item->setData(kColumnSsid, kSsidBytesRole,
                      QByteArray(row.ssid.data(), static_cast<qsizetype>(row.ssid.size())));
    }
    state_.SurveyReceived = true;
    if (setupHost_) {
        setupHost_->showWaitingWindow(false);
    }
}

void TForm_Wizard::ListView_P6Click() {
    const WConfigPage& page = pages_.wconfig;
    page.password->clear();
    const QList<QTreeWidgetItem*> selected = page.survey->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    showCameraText(*page.ssidText, ssidOf(*selected.front()));
    page.password->setEnabled(selected.front()->text(kColumnEncryption) !=
                              QLatin1String(kSecurityDisabled));
}

void TForm_Wizard::Button_T6_OKClick() {
    if (!host_ || !setupHost_) {
        return;
    }
    CameraConfiguration& config = host_->configuration();
    const WirelessRequest request = buildWirelessRequest(
        choiceOf(pages_.wconfig), config.credentials.ExtendedSecurityModes,
        defaultPasswordDigestTextOf(config.camera), config.templates.WirelessSetHeader);
    if (!request.ready()) {
        setupHost_->ShowMessageBox(text(request.warningKey.c_str()), kErrorTitle);
        return;
    }
    state_.WirelessRecord = request.record;
    setupHost_->SendDatagram(state_.WirelessRecord);
    Timer_Wizard_.stop();
    leaveSurvey();
    prepareTestPage();
}

// Page 7 ready for its test: Next starts it.
void TForm_Wizard::prepareTestPage() {
    TestPage& page = pages_.test;
    page.next->setText(text("TntButton_T3_Next"));
    page.next->setEnabled(true);
    page.cancel->hide();
    page.seconds->hide();
    for (TTntLabel* result : page.results) {
        result->hide();
    }
    state_.LinkConfirmed = false;
    ShowPage(WizardPage::Test);
}

void TForm_Wizard::SpeedButton_T6Click() {
    Timer_Wizard_.stop();
    leaveSurvey();
    WpsSetupPage& page = pages_.wpsSetup;
    page.seconds->hide();
    for (TTntLabel* result : page.results) {
        result->hide();
    }
    page.start->setText(text("TntButton_T11_Start"));
    state_.WpsSeconds = kWpsSeconds;
    ShowPage(WizardPage::WpsSetup);
}

void TForm_Wizard::Button_T11_StartClick() {
    WpsSetupPage& page = pages_.wpsSetup;
    state_.WpsConfirmed = false;
    if (!page.results[1]->isHidden()) { // an attempt has ended
        if (state_.WpsSucceeded) {
            prepareTestPage();
            return;
        }
        page.seconds->hide();
        for (TTntLabel* result : page.results) {
            result->hide();
        }
        page.start->setText(text("TntButton_T11_Start"));
        page.cancel->show();
        return;
    }
    if (!host_ || !setupHost_) {
        return;
    }
    state_.WpsSeconds = kWpsSeconds;
    state_.WpsSucceeded = false;
    page.seconds->setText(QString::number(kWpsSeconds));
    page.seconds->show();
    page.start->setEnabled(false);
    page.cancel->setEnabled(false);
    page.start->setText(text(language_keys::kWait));
    Timer_Wizard_.start();
    CameraConfiguration& config = host_->configuration();
    setupHost_->SendDatagram(
        wpsStartRequest(config.templates, defaultPasswordDigestTextOf(config.camera)));
}

void TForm_Wizard::Button_T11_CancelClick() {
    if (setupHost_) {
        setupHost_->ShowMessageBox(text(language_keys::kWpsCancelled), kAdminTitle);
    }
    clearWirelessChoice();
    ShowPage(WizardPage::WConfig);
}

} // namespace vistrel
