#include "camhttp/windows/form_login.h"

#include "camhttp/windows/login_host.h"
#include "config/key_filters.h"
#include "config/login_check.h"
#include "localization/language_keys.h"
#include "platform/camera_text.h"
#include "ui/key_character.h"
#include "ui/window_style.h"

#include <QKeyEvent>
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
    Password_Edit->installEventFilter(this);

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

bool TForm_Login::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QDialog::event(event);
}

void TForm_Login::FormActivate() {
    Password_Edit->setFocus();
}

// Check_Exit: Escape in the password field closes the dialog.
bool TForm_Login::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Password_Edit && event->type() == QEvent::KeyPress &&
        Check_Exit(typedCharacter(*static_cast<QKeyEvent*>(event))).closeWindow) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TForm_Login::done(int result) {
    QDialog::done(result);
    if (host_) {
        host_->enableMainWindow();
    }
}

void TForm_Login::Button_Login_OKClick() {
    pressed_ = PressedButton::Ok;
    Password_Edit->setFocus();
    if (host_) {
        host_->enableMainWindow();
        host_->emptyWizardPassword();
        const LoginResult result =
            checkLoginPassword(host_->configuration(), toCameraText(PasswordText()));
        if (result.passed()) {
            host_->PreviewMode(previewMode_);
        } else {
            host_->showLoginMessage(host_->textOf(*result.warning));
        }
    }
    accept();
}

void TForm_Login::Button_Login_CancelClick() {
    pressed_ = PressedButton::Cancel;
    Password_Edit->setFocus();
    if (host_) {
        host_->enableMainWindow();
        host_->showLoginMessage(host_->textOf(Warning::key(language_keys::kLoginCancelled1)) +
                                QStringLiteral("\r\n\r\n") +
                                host_->textOf(Warning::key(language_keys::kLoginCancelled2)));
    }
    reject();
}

} // namespace vistrel
