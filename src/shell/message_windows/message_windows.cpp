#include "shell/message_windows/message_windows.h"

namespace vistrel {

MessageWindows::MessageWindows(MainWindowAccess& mainWindow, TMessage_Box_Wchar& box,
                               TMessage_Dialog_Wchar& dialog, TForm_Finish& finish)
    : mainWindow_(&mainWindow), box_(&box), dialog_(&dialog), finish_(&finish) {}

void MessageWindows::ShowMessageBox(const QString& text, const QString& title) {
    box_->SetMessage(text, title);
    mainWindow_->disableMainWindow();
    box_->exec();
}

std::uint8_t MessageWindows::AskOkCancel(const QString& text, const QString& title) {
    dialog_->SetMessage(text, title);
    mainWindow_->disableMainWindow();
    dialog_->exec();
    return dialog_->DialogResult();
}

void MessageWindows::ShowFinish(const QString& message, const QString& link) {
    finish_->SetFinish(message, link);
    mainWindow_->disableMainWindow();
    finish_->exec();
}

void MessageWindows::ShowMessageBoxModeless(const QString& text, const QString& title) {
    box_->SetMessage(text, title);
    box_->show();
}

void MessageWindows::ShowMessageBoxModalMainEnabled(const QString& text, const QString& title) {
    box_->SetMessage(text, title);
    box_->exec();
}

} // namespace vistrel
