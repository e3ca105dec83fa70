#pragma once
// What the login dialog asks of the main window: the selected camera's configuration that the
// typed password is checked against, the message box, and what a passed login opens.

#include "config/camera_configuration.h"
#include "config/warning.h"

#include <QString>

namespace vistrel {

class LoginHost {
public:
    virtual ~LoginHost() = default;

    virtual CameraConfiguration& configuration() = 0;
    virtual void enableMainWindow() = 0;
    // Empties the wizard's page-5 password, so that the picture stream uses the login's.
    virtual void emptyWizardPassword() = 0;
    // The text in the message box, titled "Warning", modal, with the main window left enabled.
    virtual void showLoginMessage(const QString& text) = 0;
    // What a warning says in the current language.
    virtual QString textOf(const Warning& warning) = 0;
    // What a passed login opens: the live picture in preview mode, else the set-up wizard.
    virtual void PreviewMode(bool previewModeFlag) = 0;
};

} // namespace vistrel
