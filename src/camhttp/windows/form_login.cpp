#include "camhttp/windows/form_login.h"

#include "ui/window_style.h"

#include <QLabel>

namespace vistrel {
namespace {

void placeControl(QWidget* control, const QString& name, const QRect& geometry) {
    control->setObjectName(name);
    control->setGeometry(geometry);
}

} // namespace

TForm_Login::TForm_Login(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      UserName_Edit(new QLineEdit(this)), Password_Edit(new QLineEdit(this)),
      Label_Login_Name(new TTntLabel(QStringLiteral("Camera Name"), this)),
      Label_Login_Password(new TTntLabel(QStringLiteral("Password"), this)),
      Button_Login_OK(new TTntButton(QStringLiteral("OK"), this)),
      Button_Login_Cancel(new TTntButton(QStringLiteral("Cancel"), this)) {
    setObjectName(QStringLiteral("Form_Login"));
    setWindowTitle(QStringLiteral("Login"));
    setFont(designFont());
    setFixedSize(kClientSize);

    addBackgroundPicture(this, QStringLiteral("Image1"), QRect(0, -1, 313, 216),
                         QStringLiteral("login-bg.bmp"));

    placeControl(Label_Login_Name, QStringLiteral("Label_Login_Name"), QRect(60, 52, 80, 13));
    placeControl(Label_Login_Password, QStringLiteral("Label_Login_Password"),
                 QRect(60, 100, 80, 13));
    styleTransparentLabel(Label_Login_Name, Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    styleTransparentLabel(Label_Login_Password, Qt::white, Qt::AlignLeft | Qt::AlignVCenter);

    placeControl(UserName_Edit, QStringLiteral("UserName_Edit"), QRect(166, 47, 100, 21));
    // Nobody types here, so no length limit: one would cut the camera names shown.
    UserName_Edit->setEnabled(false);
    placeControl(Password_Edit, QStringLiteral("Password_Edit"), QRect(166, 95, 100, 21));
    Password_Edit->setEchoMode(QLineEdit::Password);
    Password_Edit->setMaxLength(kDesignPasswordMaxLength);

    placeControl(Button_Login_OK, QStringLiteral("Button_Login_OK"), QRect(46, 152, 90, 25));
    placeControl(Button_Login_Cancel, QStringLiteral("Button_Login_Cancel"),
                 QRect(186, 152, 90, 25));
    // Enter anywhere in the dialog presses OK.
    Button_Login_OK->setDefault(true);
    setTabOrder(Button_Login_OK, Button_Login_Cancel);
    setTabOrder(Button_Login_Cancel, Password_Edit);
    connect(Button_Login_OK, &QPushButton::clicked, this, &TForm_Login::Button_Login_OKClick);
    connect(Button_Login_Cancel, &QPushButton::clicked, this,
            &TForm_Login::Button_Login_CancelClick);
}

void TForm_Login::PrepareOpening(const QString& cameraName, bool previewMode) {
    UserName_Edit->setText(cameraName);
    Password_Edit->clear();
    previewMode_ = previewMode;
    pressed_ = PressedButton::None;
}

void TForm_Login::showEvent(QShowEvent* event) {
    centreOnDesktop(this);
    QDialog::showEvent(event);
}

// The password check and the continuation come with the login handling; until then OK and
// Cancel only close the dialog and tell the caller which one it was.
void TForm_Login::Button_Login_OKClick() {
    pressed_ = PressedButton::Ok;
    accept();
    emit okPressed();
}

void TForm_Login::Button_Login_CancelClick() {
    pressed_ = PressedButton::Cancel;
    reject();
    emit cancelPressed();
}

} // namespace vistrel
