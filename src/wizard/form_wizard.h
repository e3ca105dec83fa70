#pragma once
// The set-up wizard window: twelve pages of which one shows at a time, switched only by code.
// It is created once and lives as long as the program; closing it only hides it.

#include "config/wizard_page.h"
#include "setup/wizard_state.h"
#include "setup/wizard_timer.h"
#include "wizard/wizard_address_pages.h"
#include "wizard/wizard_controls.h"

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QStackedWidget;

namespace vistrel {

class WizardHost;
class WizardSetupHost;
struct SiteSurveyEntry;
struct WizardPageOk;

class TForm_Wizard : public QWidget {
    Q_OBJECT

public:
    explicit TForm_Wizard(QWidget* parent = nullptr);
    ~TForm_Wizard() override;

    // The main window. The pages then fill its configuration and follow its address choice;
    // without one their buttons and radios change nothing, and closing asks nothing.
    void setHost(WizardHost* host);

    // Shows the page alone and sets the caption "Admin"; None hides every page and leaves the
    // caption. Name gets the selected camera's name and empty passwords, OldNetwork the
    // camera's name. The window itself is neither shown nor hidden.
    void ShowPage(WizardPage page);

    // The page the last ShowPage made visible, None when none; whether or not the window shows.
    WizardPage shownPage() const;

    // The page widget TabSheet<n>; nullptr for None.
    QWidget* page(WizardPage page) const;

    // Keeps the window above the others from now on; a shown window stays shown.
    void setStayOnTop();

    // Where ShowPage reads the selected camera's name (8-bit text).
    void setCameraNameSource(std::function<std::string()> source);

    // Timer_Wizard: one tick a second while a test page counts down or a survey is awaited;
    // disabled at creation.
    QTimer& Timer_Wizard() { return Timer_Wizard_; }

    WizardState& state() { return state_; }
    const WizardState& state() const { return state_; }
    WizardPages& pages() { return pages_; }
    const WizardPages& pages() const { return pages_; }

    // Page 2's OK: the addresses to the camera, then the wizard closes; it stays open when the
    // address check refuses.
    void Button_T2_OKClick();
    // Both OK buttons of page 12: addresses, name and password to the camera, then the wizard
    // closes; it stays open when the name and password check refuses.
    void TntButton_T12_OKClick();
    // Cancel of pages 2 and 12: close, asking first.
    void Button_T1_CancelClick();
    // Advanced of pages 2 and 12: the camera's web page; the wizard stays as it is.
    void Button_T1_AdClick();
    // The DHCP and the Static IP radios of pages 2, 9 and 12.
    void RadioButton_T2_DHCPClick();
    void RadioButton_T2_IPClick();

    // The set-up pages send their requests, show messages and finish through the main window;
    // without it they send nothing and change nothing.
    void setSetupHost(WizardSetupHost* host) { setupHost_ = host; }

    // The tests of pages 1, 7, 9 and 11 (wizard_progress_handlers.cpp).
    // The DHCP wait succeeded: page 1 with the camera's addresses, and its cloud test starts.
    void openDhcpPage(const AddressTexts& addresses);
    // The DHCP wait failed: page 9 with the camera's addresses and its Next usable with this
    // caption; the window is left as it is.
    void prepareManualConfigPage(const AddressTexts& addresses, const QString& nextCaption);
    void Timer_WizardTimer();
    void Button_T1_NextClick();
    void Button_T3_NextClick();
    void Button_T4_NoClick();
    void Button_T7_NextClick();
    void Button_T7_CancelClick();
    void Button_T8_OKClick();
    void Button_T9_NextClick();
    void Button_T10_RetryClick();
    void Button_T10_CancelClick();

    // Page 4's Yes: ask for the survey, page 6 with an empty list and the waiting window.
    void Button_T4_YesClick();
    // Page 6: ask again, choose a row, send the chosen network, or go to WPS.
    void Button_T6_RefreshClick();
    void ListView_P6Click();
    void Button_T6_OKClick();
    void SpeedButton_T6Click();
    // Page 11: start an attempt, or after one go on to page 7 or back to idle; Cancel: page 6.
    void Button_T11_StartClick();
    void Button_T11_CancelClick();
    // A camera's survey answer: its networks added to page 6's list, the waiting window hidden.
    void onSiteSurveyReply(const std::vector<SiteSurveyEntry>& entries, bool extendedSecurityModes);
    // Page 5's OK: name and password to the camera, then the finish window.
    void Button_T5_OKClick();

protected:
    // FormClose: asks "Want_To_Leave" unless a page's OK closes the wizard; Cancel refuses the
    // closing. Every close asks again.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPages();
    void loadBackgrounds();
    void connectSettingsPages();
    void finishSettingsPage(const WizardPageOk& ok);
    void connectProgressPages();
    void sendRequest(WizardRequest request);
    QString textOf(const WizardText& text) const;
    QLabel* countdownLabel(WizardPage page) const;
    void showCountdown(const Countdown& countdown);
    void showCloudTestEnd(const CloudTestEnd& end);
    void showWaitEnd(const WaitEnd& end);
    WizardTickInput tickInput() const;
    void cancelNetworkSetup();
    void connectWirelessPages();
    void clearWirelessChoice();
    void askForSurvey();
    void leaveSurvey();
    void prepareTestPage();
    QString text(std::string_view key) const;

    QStackedWidget* pageControl_ = nullptr;
    std::array<QWidget*, kWizardPageCount> tabSheets_{};
    std::array<QLabel*, kWizardPageCount> backgrounds_{};
    WizardPages pages_;
    WizardState state_;
    QTimer Timer_Wizard_;
    std::function<std::string()> cameraName_;
    WizardHost* host_ = nullptr;
    WizardSetupHost* setupHost_ = nullptr;
    WizardAddressPages addressPages_{pages_};
};

} // namespace vistrel
