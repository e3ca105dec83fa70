#include "shell/message_windows/form_finish.h"

#include "ui/window_style.h"

#include <QDesktopServices>
#include <QUrl>

namespace vistrel {
namespace {

void openWithSystemHandler(const QString& link) {
    QDesktopServices::openUrl(QUrl::fromUserInput(link));
}

} // namespace

TForm_Finish::TForm_Finish(SetupHandOver& host, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      host_(host), linkOpener_(openWithSystemHandler), Label_Message(new QLabel(this)),
      Label_Link(new ClickableLabel(this)),
      Button_Message_Box_OK(new TTntButton(QStringLiteral("OK"), this)) {
    setObjectName(QStringLiteral("Form_Finish"));
    setFont(designFont());
    addBackgroundPicture(this, QStringLiteral("Image1"), QRect(QPoint(0, 0), kClientSize),
                         QStringLiteral("message-bg.bmp"));
    // The window is as large as its contents, which never change size.
    setFixedSize(kClientSize);
    move(kScreenPosition);

    Label_Message->setObjectName(QStringLiteral("Label_Message"));
    Label_Message->setGeometry(25, 0, 257, 81);
    styleTransparentLabel(Label_Message, Qt::white, Qt::AlignHCenter | Qt::AlignTop);

    Label_Link->setObjectName(QStringLiteral("Label_Link"));
    Label_Link->setGeometry(25, 83, 257, 33);
    // Qt::green is lime, #00FF00.
    styleTransparentLabel(Label_Link, Qt::green, Qt::AlignHCenter | Qt::AlignTop);
    QFont underlined = Label_Link->font();
    underlined.setUnderline(true);
    Label_Link->setFont(underlined);
    connect(Label_Link, &ClickableLabel::clicked, this, &TForm_Finish::Label_LinkClick);

    Button_Message_Box_OK->setObjectName(QStringLiteral("Button_Message_Box_OK"));
    Button_Message_Box_OK->setGeometry(94, 125, 120, 25);
    connect(Button_Message_Box_OK, &QPushButton::clicked, this,
            &TForm_Finish::Button_Message_Box_OKClick);
}

void TForm_Finish::SetFinish(const QString& message, const QString& link) {
    setWindowTitle(QStringLiteral("Admin"));
    Label_Message->setText(message);
    Label_Link->setText(link);
}

// However the window closes, the set-up it reported is over: only its OK hands over to the live
// picture, and it clears the flag before it does. Left set, the flag would make the next
// unrelated message's OK probe the camera and open its preview.
void TForm_Finish::done(int result) {
    QDialog::done(result);
    host_.SetupCompleted() = false;
    host_.enableMainWindow();
}

void TForm_Finish::Button_Message_Box_OKClick() {
    ConfirmSetupMessage(host_, false, [this] { close(); });
}

void TForm_Finish::Label_LinkClick() {
    if (linkOpener_) {
        linkOpener_(Label_Link->text());
    }
}

} // namespace vistrel
