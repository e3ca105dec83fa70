#pragma once
// The login dialog: asks for the camera's administrator password before the live preview or
// the set-up wizard, and checks it against what the camera reported about itself.

#include "ui/tnt_widgets.h"

#include <QDialog>
#include <QLineEdit>

namespace vistrel {

class LoginHost;

class TForm_Login : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{312, 204};
    static constexpr int kDesignPasswordMaxLength = 63;

    enum class PressedButton { None, Ok, Cancel };

    // Not a child of the main window: disabling the main window would disable the dialog too.
    explicit TForm_Login(QWidget* parent = nullptr);

    // The main window. Without one OK and Cancel only close the dialog.
    void setHost(LoginHost* host) { host_ = host; }

    // What an opening sets before the dialog is shown: the camera's name, an empty password and
    // the mode. previewMode: a successful login opens the live preview; otherwise it opens the
    // set-up wizard.
    void PrepareOpening(const QString& cameraName, bool previewMode);
    // The longest password the camera takes.
    void setPasswordMaxLength(int maxLength) { Password_Edit->setMaxLength(maxLength); }

    QString CameraName() const { return UserName_Edit->text(); }
    // The typed password; it stays after the dialog closes, until the next opening.
    QString PasswordText() const { return Password_Edit->text(); }
    void setPasswordText(const QString& text) { Password_Edit->setText(text); }
    bool PreviewModeFlag() const { return previewMode_; }
    // The button that closed the dialog since the last opening; None after Escape or the
    // title-bar button.
    PressedButton LastPressed() const { return pressed_; }

    // FormClose: every way of closing the dialog enables the main window again.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The typed password checked against the camera's report: a pass opens what the mode
    // says, a refusal warns; the dialog closes either way.
    void Button_Login_OKClick();
    // Says that the login was cancelled and closes the dialog.
    void Button_Login_CancelClick();
    // FormActivate: the password field takes the focus.
    void FormActivate();

    LoginHost* host_ = nullptr;

    bool previewMode_ = false;
    PressedButton pressed_ = PressedButton::None;
    QLineEdit* UserName_Edit;
    QLineEdit* Password_Edit;
    TTntLabel* Label_Login_Name;
    TTntLabel* Label_Login_Password;
    TTntButton* Button_Login_OK;
    TTntButton* Button_Login_Cancel;
};

} // namespace vistrel
