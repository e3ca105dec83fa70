#pragma once
// TMainForm: the finder's borderless, skinned main window. It owns the UDP endpoint, the
// configuration of the selected camera, the camera list with its drawn cards, the one-second
// timer and the tray icon.

#include "camhttp/windows/login_host.h"
#include "config/camera_configuration.h"
#include "discovery/camera_discovery.h"
#include "discovery/camera_list.h"
#include "discovery/search_cycle.h"
#include "discovery/views/camera_card_list.h"
#include "localization/windows/language_state.h"
#include "net/admin_endpoint.h"
#include "net/received_reply.h"
#include "protocol/reply_dispatcher.h"
#include "setup/dhcp_wait.h"
#include "shell/message_windows/setup_hand_over.h"
#include "ui/picture_button.h"
#include "wizard/wizard_host.h"
#include "wizard/wizard_setup_host.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace vistrel {

class MessageWindows;
class TForm_Finish;
class TForm_Login;
class TForm_Preview;
class TForm_Waiting;
class TForm_Wizard;
class TMessage_Box_Wchar;
class TMessage_Dialog_Wchar;

class TMainForm : public QWidget,
                  private ReplyHandler,
                  public SetupHandOver,
                  private LoginHost,
                  private WizardHost,
                  private WizardSetupHost {
    Q_OBJECT

public:
    static const QString kCaption;

    // Creates the main window, then the seven secondary windows in start-up order. Requests go
    // out through the UDP endpoint, or through `sender` when one is given (tests).
    explicit TMainForm(DatagramSender* sender = nullptr);
    ~TMainForm() override;

    // Start-up: skin, window shape, tray icon, the timer, the first discovery request and the
    // language preselected from the system (applied by the first timer tick).
    void Form_OnCreate();

    LanguageState& language() { return language_; }
    void TntComboBox_LangChange();

    // The search cycle.
    void Image_Search_CameraClick();
    // Key-down of the camera list: Alt+C searches, Alt+S opens the selected camera's settings.
    bool Quick_press(int key, Qt::KeyboardModifiers modifiers);

    // The camera list.
    void ListBox_IPCAMClick();
    void IPCAM_TntListViewDblClick();
    void Image_SetClick();

    // Camera selection: the selected row fills the configuration and three queries ask the
    // camera for its settings. A click on a card runs it; MoveListItem runs it when a search
    // takes the selection away.
    void IPCAM_ListViewClick();
    void MoveListItem();
    // Configure (Alt+S): the login for the selected camera's settings.
    void Image_ConfigClick();
    // The selected camera's web page in the desktop's browser.
    void Image_BrowserClick() override;
    // Empties the camera list and searches again.
    void RestartSearch() override;
    // What a passed login opens: the live picture in preview mode, else the set-up wizard on
    // page 2, or page 12 for a camera in list state 5.
    void PreviewMode(bool previewModeFlag) override;

    CameraConfiguration& configuration() override { return config_; }
    // The hint of the web page image, read once at start-up.
    const QString& Image_Browser_Hint() const { return Image_Browser_Hint_; }

    void GetDhcp_TimerTimer();
    void Image_BgMouseDown(Qt::MouseButton button, int y);
    void minimizeToTray();
    void restoreFromTray();

    CameraList& cameraList() { return cameraList_; }
    CameraCardList& ListBox_IPCAM() { return *ListBox_IPCAM_; }
    SearchCycle& searchCycle() { return search_; }
    QTimer& GetDhcp_Timer() { return GetDhcp_Timer_; }
    // The endpoint's batch handler: the cameras join the list at once, the other replies are
    // decoded in arrival order.
    void takeReplies(net::ReplyBatch batch);
    // Decodes one datagram as if it had arrived alone (tests).
    void decodeDatagram(Bytes datagram);

    TForm_Login& loginDialog() { return *TForm_Login_; }
    TMessage_Box_Wchar& messageBox() { return *TMessage_Box_Wchar_; }
    TMessage_Dialog_Wchar& messageDialog() { return *TMessage_Dialog_Wchar_; }
    TForm_Wizard& wizard() { return *TForm_Wizard_; }
    TForm_Preview& previewWindow() { return *TForm_Preview_; }
    TForm_Waiting& waitingWindow() { return *TForm_Waiting_; }
    TForm_Finish& finishWindow() { return *TForm_Finish_; }

    // Whether the camera at this address answers (its web port is the selected camera's),
    // probed off the GUI thread under a busy cursor while the windows keep painting.
    bool Probe_Camera(const std::string& address);
    // The live picture after the set-up, once the message window's OK has cleared
    // SetupCompleted and restarted the timer: with the reachability check a camera that does
    // not answer gets the connect-failure text into the message box, which stays open;
    // otherwise closeWindow runs and the preview opens beside the main window after the
    // pause, the search starting again meanwhile.
    void handOverToPreview(bool withReachabilityCheck, const std::function<void()>& closeWindow);

    // The main window and the seven secondary windows, in the order of their creation.
    std::vector<QWidget*> allWindows();

    // SetupHandOver: what the message windows' OK buttons act on.
    void enableMainWindow() override { setEnabled(true); }
    void disableMainWindow() override { setEnabled(false); }
    void giveWizardStayOnTop() override;
    void showWizard() override;
    bool& DhcpFailed() override { return DhcpFailed_; }
    bool& SetupCompleted() override;
    void StartPreviewAfterSetup(bool withReachabilityCheck,
                                const std::function<void()>& closeWindow) override;

    // Seam for tests: the system move of a drag.
    void setStartDrag(std::function<bool()> startDrag) { startDrag_ = std::move(startDrag); }
    // Seam for tests: the start of the browser; false when it failed.
    void setOpenUrl(std::function<bool(const QUrl&)> openUrl) { openUrl_ = std::move(openUrl); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void onDiscoveryReply(const DiscoveryReply& reply) override;
    void onSettingsReply(Bytes datagram) override;
    void onStatusReply(ReplyCode code, std::uint8_t status) override;
    // The wireless replies of main_window_setup.cpp.
    void onWirelessRecordReply(const WirelessRecord& record) override;
    void onSiteSurveyReply(const std::vector<SiteSurveyEntry>& entries) override;
    void buildControls();
    void nameButtonsForAssistiveTools();
    void buildTray();
    void applyShapeAndTransparency();
    void afterListChanged();
    void createSecondaryWindows();
    void onCardBodyPressed(int index);
    void onPreviewSquareReleased(int index);
    CardLabels cardLabels() const;
    bool handleCameraListKey(const QKeyEvent& key);

    // The camera handling of main_window_cameras.cpp.
    const CameraListRow* selectedRow() const;
    void showWarning(const Warning& warning) override;
    void openLogin(const QString& cameraName, int passwordMaxLength, bool previewMode);
    void startDhcpWait(const std::string& defaultPasswordDigestText);
    // The DHCP wait of a new camera and its three ends (main_window_setup.cpp).
    void runDhcpWait();
    void openDhcpPage();
    void openManualConfigPage();
    void openSetUpLogin();
    // The camera handling of main_window_preview.cpp.
    void connectPreviewWindow();
    void openLivePreview();
    QString connectFailedText();
    // The password that opens the picture stream: the set-up wizard's new one when it holds
    // one, otherwise the one typed into the login.
    std::string streamPassword() const;
    void openSetUpWizard();

    // LoginHost
    void emptyWizardPassword() override;
    void showLoginMessage(const QString& text) override;
    QString textOf(const Warning& warning) override;

    // WizardHost
    std::string loginPassword() const override;
    bool cameraRowSelected() const override;
    void finishConfirm(const ConfirmResult& result) override;
    std::uint8_t AskOkCancel(const QString& text, const QString& title) override;
    QString wizardText(std::string_view key) override;

    // WizardSetupHost
    void SendDatagram(Bytes datagram) override;
    void trackCameraAddress() override;
    std::string cameraAddress() const override;
    void setLoginPassword(const std::string& password) override;
    void ShowMessageBox(const QString& text, const QString& title) override;
    void showWaitingWindow(bool visible) override;
    void ShowFinish(const QString& message, const QString& link) override;

    // The selected camera, its settings and the panel that edits them. Declared before the
    // windows that use it, so that it outlives them.
    CameraConfiguration config_;

    AdminEndpoint IdUDPServer_;
    const bool usesEndpoint_; // false when tests give a sender of their own
    DatagramSender& sender_;
    CameraList cameraList_;
    CameraDiscovery discovery_{cameraList_, config_.camera};
    SearchCycle search_;
    QTimer GetDhcp_Timer_;
    DhcpWait dhcpWait_;
    bool DhcpFailed_ = false;

    QLabel* Image_Bg_ = nullptr;
    PictureButton* Image_Min_ = nullptr;
    PictureButton* Image_Close_ = nullptr;
    PictureButton* TntImage_Search_ = nullptr;
    PictureButton* TntImage_Set_ = nullptr;
    CameraCardList* ListBox_IPCAM_ = nullptr;
    QComboBox* TntComboBox_Lang_ = nullptr;
    QSystemTrayIcon* TrayIcon_ = nullptr;
    QMenu* Main_TntPopupMenu_ = nullptr;
    std::function<bool()> startDrag_;
    std::function<bool(const QUrl&)> openUrl_;
    QString Image_Browser_Hint_;

    // The secondary windows are top-level windows: disabling the main window must not
    // disable them.
    std::unique_ptr<TForm_Login> TForm_Login_;
    std::unique_ptr<TMessage_Box_Wchar> TMessage_Box_Wchar_;
    std::unique_ptr<TMessage_Dialog_Wchar> TMessage_Dialog_Wchar_;
    std::unique_ptr<TForm_Wizard> TForm_Wizard_;
    std::unique_ptr<TForm_Preview> TForm_Preview_;
    std::unique_ptr<TForm_Waiting> TForm_Waiting_;
    std::unique_ptr<TForm_Finish> TForm_Finish_;
    std::unique_ptr<MessageWindows> messages_;
    LanguageState language_;
};

} // namespace vistrel
