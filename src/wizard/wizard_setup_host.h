#pragma once
// What the wizard's wireless and completion pages ask of the main window besides WizardHost:
// the way to the camera, the message box, the waiting window, the finish window and the
// login's password.

#include "protocol/datagram_sender.h"

#include <QString>
#include <string>

namespace vistrel {

class WizardSetupHost {
public:
    virtual ~WizardSetupHost() = default;

    // Where the wizard's own requests go out.
    virtual DatagramSender& wizardSender() = 0;
    // The message in the box, modal, under the given title.
    virtual void ShowMessageBox(const QString& text, const QString& title) = 0;
    // The waiting window, shown without modality while a site survey is awaited.
    virtual void showWaitingWindow(bool visible) = 0;
    // The finish window, modal, with the main window disabled.
    virtual void ShowFinish(const QString& message, const QString& link) = 0;
    // Puts a password into the login's password edit (8-bit text).
    virtual void setLoginPassword(const std::string& password) = 0;
};

} // namespace vistrel
