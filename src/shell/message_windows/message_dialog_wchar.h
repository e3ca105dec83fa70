#pragma once
// The message dialog: a question under a caption with OK and Cancel. DialogResult tells the
// asker which one was pressed.

#include "shell/message_windows/setup_hand_over.h"
#include "ui/tnt_widgets.h"

#include <QDialog>
#include <QLabel>
#include <cstdint>

namespace vistrel {

class TMessage_Dialog_Wchar : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{292, 166};

    // Not a child of the main window, for the same reason as the message box.
    explicit TMessage_Dialog_Wchar(MainWindowAccess& mainWindow, QWidget* parent = nullptr);

    // DialogResult := 0, window caption := title, Label_Message := text.
    void SetMessage(const QString& text, const QString& title);
    QString MessageText() const { return Label_Message->text(); }

    // 1 after OK; 0 after Cancel or any other way of closing.
    std::uint8_t DialogResult() const { return dialogResult_; }

    // Every way of closing the dialog ends here: the main window is enabled again.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void closeWith(std::uint8_t dialogResult);

    MainWindowAccess& mainWindow_;
    std::uint8_t dialogResult_ = 0;
    QLabel* Label_Message;
    TTntButton* Button_Message_Dialog_OK;
    TTntButton* Button_Message_Dialog_Cancel;
};

} // namespace vistrel
