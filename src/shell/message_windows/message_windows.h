#pragma once
// The main window's ways of showing a message. The main window owns the windows and forwards
// to these operations; each one returns when the window has closed. A modal show runs a nested
// event loop, so timers and datagram replies keep being handled behind the message.

#include "shell/message_windows/form_finish.h"
#include "shell/message_windows/message_box_wchar.h"
#include "shell/message_windows/message_dialog_wchar.h"
#include "shell/message_windows/setup_hand_over.h"

#include <QString>
#include <cstdint>

namespace vistrel {

class MessageWindows {
public:
    MessageWindows(MainWindowAccess& mainWindow, TMessage_Box_Wchar& box,
                   TMessage_Dialog_Wchar& dialog, TForm_Finish& finish);

    // The message in the box, modal, with the main window disabled until the box closes.
    void ShowMessageBox(const QString& text, const QString& title);

    // The question in the dialog, modal, with the main window disabled; 1 after OK, 0 after
    // Cancel or any other way of closing.
    std::uint8_t AskOkCancel(const QString& text, const QString& title);

    // The finish window, modal, with the main window disabled.
    void ShowFinish(const QString& message, const QString& link);

    // The box made visible and left alone: the main window stays usable and the call returns
    // at once (the wizard's DHCP failure).
    void ShowMessageBoxModeless(const QString& text, const QString& title);

    // The box shown modally without disabling the main window first (the login dialog's
    // warnings).
    void ShowMessageBoxModalMainEnabled(const QString& text, const QString& title);

private:
    MainWindowAccess* mainWindow_;
    TMessage_Box_Wchar* box_;
    TMessage_Dialog_Wchar* dialog_;
    TForm_Finish* finish_;
};

} // namespace vistrel
