#pragma once
// What the message windows need from the main window, and the rule behind the OK button of the
// message box and of the finish window: after a completed set-up that OK hands the camera over
// to the live preview; after a DHCP failure it brings the wizard back.

#include <functional>

namespace vistrel {

// Every message window enables the main window again when it closes; the main-window
// operations disable it while a message is up.
class MainWindowAccess {
public:
    virtual ~MainWindowAccess() = default;
    virtual void enableMainWindow() = 0;
    virtual void disableMainWindow() = 0;
};

// Implemented by the main window.
class SetupHandOver : public MainWindowAccess {
public:
    // From then on the wizard stays above the other windows.
    virtual void giveWizardStayOnTop() = 0;
    // Shows the wizard window, not modally.
    virtual void showWizard() = 0;
    // The main window's flag: the DHCP wait of the wizard failed.
    virtual bool& DhcpFailed() = 0;
    // The wizard's flag: the set-up was sent and the finish window shown.
    virtual bool& SetupCompleted() = 0;
    // Hands the camera over to the live preview. With the reachability check a camera that does
    // not answer gets the connect-failure text put into the message box and closeWindow is not
    // called, so the window stays open; otherwise closeWindow runs before the preview starts.
    virtual void StartPreviewAfterSetup(bool withReachabilityCheck,
                                        const std::function<void()>& closeWindow) = 0;
};

// The OK button of the message box (withReachabilityCheck true) and of the finish window
// (false). closeWindow closes the window whose button was pressed; it may run more than once.
void ConfirmSetupMessage(SetupHandOver& host, bool withReachabilityCheck,
                         const std::function<void()>& closeWindow);

} // namespace vistrel
