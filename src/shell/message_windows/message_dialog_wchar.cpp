#include "shell/message_windows/message_dialog_wchar.h"

#include "ui/window_style.h"

namespace vistrel {

TMessage_Dialog_Wchar::TMessage_Dialog_Wchar(MainWindowAccess& mainWindow, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      mainWindow_(mainWindow), Label_Message(new QLabel(this)),
      Button_Message_Dialog_OK(new TTntButton(QStringLiteral("OK"), this)),
      Button_Message_Dialog_Cancel(new TTntButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("Message_Dialog_Wchar"));
    setFont(designFont());
    addBackgroundPicture(this, QStringLiteral("Image1"), QRect(0, -1, 297, 175),
                         QStringLiteral("message-bg.bmp"));
    setFixedSize(kClientSize);

    Label_Message->setObjectName(QStringLiteral("Label_Message"));
    Label_Message->setGeometry(40, 8, 209, 62);
    styleTransparentLabel(Label_Message, Qt::white, Qt::AlignCenter);

    Button_Message_Dialog_OK->setObjectName(QStringLiteral("Button_Message_Dialog_OK"));
    Button_Message_Dialog_OK->setGeometry(30, 120, 100, 25);
    Button_Message_Dialog_Cancel->setObjectName(QStringLiteral("Button_Message_Dialog_Cancel"));
    Button_Message_Dialog_Cancel->setGeometry(160, 120, 100, 25);
    connect(Button_Message_Dialog_OK, &QPushButton::clicked, this, [this] { closeWith(1); });
    connect(Button_Message_Dialog_Cancel, &QPushButton::clicked, this, [this] { closeWith(0); });
}

void TMessage_Dialog_Wchar::SetMessage(const QString& text, const QString& title) {
    dialogResult_ = 0;
    setWindowTitle(title);
    setVerticallyCentredText(Label_Message, text);
}

void TMessage_Dialog_Wchar::done(int result) {
    QDialog::done(result);
    mainWindow_.enableMainWindow();
}

void TMessage_Dialog_Wchar::showEvent(QShowEvent* event) {
    centreOnDesktop(this);
    QDialog::showEvent(event);
}

void TMessage_Dialog_Wchar::closeWith(std::uint8_t dialogResult) {
    dialogResult_ = dialogResult;
    close();
}

} // namespace vistrel
