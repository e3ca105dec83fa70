#include "shell/message_windows/setup_hand_over.h"

namespace vistrel {

void ConfirmSetupMessage(SetupHandOver& host, bool withReachabilityCheck,
                         const std::function<void()>& closeWindow) {
    host.enableMainWindow();
    host.giveWizardStayOnTop();
    if (host.DhcpFailed()) {
        closeWindow();
        host.showWizard();
        host.DhcpFailed() = false;
    }
    if (!host.SetupCompleted()) {
        closeWindow();
        return;
    }
    // Cleared before the hand-over, so that a refused hand-over leaves a box whose next OK
    // simply closes it.
    host.SetupCompleted() = false;
    host.StartPreviewAfterSetup(withReachabilityCheck, closeWindow);
}

} // namespace vistrel
