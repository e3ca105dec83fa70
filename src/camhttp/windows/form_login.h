#pragma once
// The login dialog: asks for the camera's administrator password before the live preview or
// the set-up wizard. For now OK and Cancel only close the dialog and report which was pressed;
// the password check and what follows it come with the login handling.

#include "ui/tnt_widgets.h"

#include <QDialog>
#include <QLineEdit>

namespace vistrel {

class TForm_Login : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{312, 204};
    static constexpr int kDesignPasswordMaxLength = 63;

    enum class PressedButton { None, Ok, Cancel };

    // Not a child of the main window: disabling the main window would disable the dialog too.
    explicit TForm_Login(QWidget* parent = nullptr);

    // What an opening sets before the dialog is shown: the camera's name, an empty password and
    // the mode. previewMode: a successful login opens the live preview; otherwise it opens the
    // set-up wizard.
    void PrepareOpening(const QString& cameraName, bool previewMode);

    QString CameraName() const { return UserName_Edit->text(); }
    // The typed password; it stays after the dialog closes, until the next opening.
    QString PasswordText() const { return Password_Edit->text(); }
    bool PreviewModeFlag() const { return previewMode_; }
    // The button that closed the dialog since the last opening; None after Escape or the
    // title-bar button.
    PressedButton LastPressed() const { return pressed_; }

signals:
    void okPressed();
    void cancelPressed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Button_Login_OKClick();
    void Button_Login_CancelClick();

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
