#pragma once
// What the wizard's set-up pages ask of the main window besides WizardHost: the way to the
// camera and where its discovery answers put it, the login's password, the message box, the
// waiting window and the finish window.

#include "base/bytes.h"

#include <QString>
#include <string>

namespace vistrel {

class WizardSetupHost {
public:
    virtual ~WizardSetupHost() = default;

    // Broadcasts one of the wizard's requests to the cameras.
    virtual void SendDatagram(Bytes datagram) = 0;
    // From now on the selected camera's discovery answers move its address and CameraAddress.
    virtual void trackCameraAddress() = 0;
    // CameraAddress: the selected camera's address as the list or its last answer gave it.
    virtual std::string cameraAddress() const = 0;
    // Puts a password into the login's password edit (8-bit text), which later requests prove
    // the password with.
    virtual void setLoginPassword(const std::string& password) = 0;
    // The text in the message box, modal, with the main window disabled until it closes.
    virtual void ShowMessageBox(const QString& text, const QString& title) = 0;
    // The waiting window, shown without modality while a site survey is awaited.
    virtual void showWaitingWindow(bool visible) = 0;
    // The finish window, modal, with the main window disabled.
    virtual void ShowFinish(const QString& message, const QString& link) = 0;
};

} // namespace vistrel
