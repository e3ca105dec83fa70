#pragma once
// What the wizard's pages ask of the main window: the selected camera's configuration that they
// fill, the password of the login that opened them, the messages, the search and the web page.

#include "config/camera_configuration.h"
#include "config/settings_confirmation.h"
#include "config/warning.h"

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace vistrel {

class WizardHost {
public:
    virtual ~WizardHost() = default;

    virtual CameraConfiguration& configuration() = 0;
    // The password typed at the login, 8-bit: a long settings record proves it with its digest.
    virtual std::string loginPassword() const = 0;
    // Whether the camera list has a selected row.
    virtual bool cameraRowSelected() const = 0;

    // The end of the panel's confirm: its datagram sent and a search started, or, when nothing
    // could be sent, its warning shown.
    virtual void finishConfirm(const ConfirmResult& result) = 0;
    // Empties the camera list and searches again.
    virtual void RestartSearch() = 0;
    // Opens the selected camera's web page.
    virtual void Image_BrowserClick() = 0;

    // A check's warning in the message box, titled "Warning".
    virtual void showWarning(const Warning& warning) = 0;
    // The question in the message dialog: 1 after OK, 0 otherwise.
    virtual std::uint8_t AskOkCancel(const QString& text, const QString& title) = 0;
    // The text of a key in the wizard's language section.
    virtual QString wizardText(std::string_view key) = 0;
};

} // namespace vistrel
