#pragma once
// The finish window: the set-up's closing message with a clickable link (the camera's
// dynamic-DNS address). Its OK hands the camera over to the live preview.

#include "shell/message_windows/clickable_label.h"
#include "shell/message_windows/setup_hand_over.h"
#include "ui/tnt_widgets.h"

#include <QDialog>
#include <functional>

namespace vistrel {

class TForm_Finish : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{297, 172};
    static constexpr QPoint kScreenPosition{610, 429};

    // Hands a link to the system's default handler for it; the outcome is not examined.
    using LinkOpener = std::function<void(const QString& link)>;

    // Not a child of the main window, for the same reason as the message box.
    explicit TForm_Finish(SetupHandOver& host, QWidget* parent = nullptr);

    // Window caption := "Admin", Label_Message := message, Label_Link := link.
    void SetFinish(const QString& message, const QString& link);
    QString MessageText() const { return Label_Message->text(); }
    QString LinkText() const { return Label_Link->text(); }

    // Replaces the default opener, QDesktopServices::openUrl.
    void setLinkOpener(LinkOpener opener) { linkOpener_ = std::move(opener); }

    // Every way of closing the window ends here: the set-up's hand-over is no longer pending
    // and the main window is enabled again.
    void done(int result) override;

private:
    void Button_Message_Box_OKClick();
    void Label_LinkClick();

    SetupHandOver& host_;
    LinkOpener linkOpener_;
    QLabel* Label_Message;
    ClickableLabel* Label_Link;
    TTntButton* Button_Message_Box_OK;
};

} // namespace vistrel
