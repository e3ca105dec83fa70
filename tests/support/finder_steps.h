#pragma once
// Steps a user takes in the finder's windows, for the tests that drive them.

#include "camhttp/windows/form_login.h"
#include "shell/main_window.h"
#include "support/camera_rows.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <string>

namespace vistrel::test {

// Types the password into the login dialog and presses one of its buttons; a step to run while
// the dialog is up (ModalAnswers).
inline std::function<void()> logInStep(TMainForm& form, const QString& password,
                                       const char* button = "Button_Login_OK") {
    return [&form, password, button] {
        TForm_Login& login = form.loginDialog();
        QTest::keyClicks(login.findChild<QLineEdit*>(QStringLiteral("Password_Edit")), password);
        QTest::mouseClick(login.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    };
}

// Makes the named camera's card current and clicks its body, as a user selects a camera; false
// when no card shows that name.
inline bool clickCameraCard(TMainForm& form, const std::string& name) {
    const int row = rowOf(form.cameraList(), name);
    if (row < 0) {
        return false;
    }
    CameraCardList& cards = form.ListBox_IPCAM();
    cards.setCurrentIndex(row);
    QTest::mouseClick(cards.viewport(), Qt::LeftButton, {},
                      cards.itemRect(row).topLeft() + QPoint(200, 50));
    return true;
}

} // namespace vistrel::test
