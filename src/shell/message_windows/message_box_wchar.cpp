#include "shell/message_windows/message_box_wchar.h"

#include "ui/window_style.h"

namespace vistrel {

TMessage_Box_Wchar::TMessage_Box_Wchar(SetupHandOver& host, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      host_(host), Label_Message(new QLabel(this)),
      Button_Message_Box_OK(new TTntButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("Message_Box_Wchar"));
    setFont(designFont());
    addBackgroundPicture(this, QStringLiteral("Image1"), QRect(-8, -1, 297, 169),
                         QStringLiteral("message-bg.bmp"));
    setFixedSize(kClientSize);

    Label_Message->setObjectName(QStringLiteral("Label_Message"));
    Label_Message->setGeometry(16, 8, 257, 97);
    styleTransparentLabel(Label_Message, Qt::white, Qt::AlignCenter);

    Button_Message_Box_OK->setObjectName(QStringLiteral("Button_Message_Box_OK"));
    Button_Message_Box_OK->setGeometry(85, 120, 120, 25);
    connect(Button_Message_Box_OK, &QPushButton::clicked, this,
            &TMessage_Box_Wchar::Button_Message_Box_OKClick);
}

void TMessage_Box_Wchar::SetMessage(const QString& text, const QString& title) {
    setWindowTitle(title);
    setVerticallyCentredText(Label_Message, text);
}

void TMessage_Box_Wchar::done(int result) {
    QDialog::done(result);
    host_.enableMainWindow();
}

void TMessage_Box_Wchar::showEvent(QShowEvent* event) {
    centreOnDesktop(this);
    QDialog::showEvent(event);
}

void TMessage_Box_Wchar::Button_Message_Box_OKClick() {
    ConfirmSetupMessage(host_, true, [this] { close(); });
}

} // namespace vistrel
