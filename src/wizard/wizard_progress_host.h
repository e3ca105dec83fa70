#pragma once
// What the wizard's tests ask of the main window: sending the selected camera's requests, the
// camera's address as its discovery answers give it, the login's password and the message box.

#include "base/bytes.h"

#include <QString>
#include <string>

namespace vistrel {

class WizardProgressHost {
public:
    virtual ~WizardProgressHost() = default;

    // Broadcasts one request to the cameras.
    virtual void SendDatagram(Bytes datagram) = 0;
    // From now on the selected camera's discovery answers move its address and CameraAddress.
    virtual void trackCameraAddress() = 0;
    // CameraAddress: the selected camera's address as the list or its last answer gave it.
    virtual std::string cameraAddress() const = 0;
    // The login dialog's password field, which later requests prove the password with.
    virtual void setLoginPassword(const QString& password) = 0;
    // The text in the message box, modal, with the main window disabled until it closes.
    virtual void ShowMessageBox(const QString& text, const QString& title) = 0;
};

} // namespace vistrel
