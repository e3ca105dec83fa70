#pragma once
// The message box: one message under a caption and an OK button. Created once and reused for
// every message; its OK also carries the hand-over after the set-up wizard.

#include "shell/message_windows/setup_hand_over.h"
#include "ui/tnt_widgets.h"

#include <QDialog>
#include <QLabel>

namespace vistrel {

class TMessage_Box_Wchar : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{288, 166};

    // The box must not be a child of the main window: disabling the main window would
    // disable the box with it.
    explicit TMessage_Box_Wchar(SetupHandOver& host, QWidget* parent = nullptr);

    // Window caption := title, Label_Message := text. The text keeps its place until the next
    // call.
    void SetMessage(const QString& text, const QString& title);
    QString MessageText() const { return Label_Message->text(); }

    // Every way of closing the box ends here: the main window is enabled again.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Button_Message_Box_OKClick();

    SetupHandOver& host_;
    QLabel* Label_Message;
    TTntButton* Button_Message_Box_OK;
};

} // namespace vistrel
