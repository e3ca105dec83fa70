#include "camhttp/windows/form_login.h"
#include "camhttp/windows/form_preview.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace vistrel {

class LoginPreviewWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void loginControlsSitAtTheirPlaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, QRect geometry, const char* className,
                            const char* text) {
            QTest::newRow(name) << QString::fromLatin1(name) << geometry
                                << QString::fromLatin1(className) << QString::fromLatin1(text);
        };
        row("Image1", QRect(0, -1, 313, 216), "QLabel", "");
        row("Label_Login_Name", QRect(60, 52, 80, 13), "vistrel::TTntLabel", "Camera Name");
        row("Label_Login_Password", QRect(60, 100, 80, 13), "vistrel::TTntLabel", "Password");
        row("UserName_Edit", QRect(166, 47, 100, 21), "QLineEdit", "");
        row("Password_Edit", QRect(166, 95, 100, 21), "QLineEdit", "");
        row("Button_Login_OK", QRect(46, 152, 90, 25), "vistrel::TTntButton", "OK");
        row("Button_Login_Cancel", QRect(186, 152, 90, 25), "vistrel::TTntButton", "Cancel");
    }

    void loginControlsSitAtTheirPlaces() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, className);
        QFETCH(QString, text);
        TForm_Login login;
        auto* widget = login.findChild<QWidget*>(name);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
        if (auto* label = qobject_cast<QLabel*>(widget); label && !text.isEmpty()) {
            QCOMPARE(label->text(), text);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        }
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QCOMPARE(button->text(), text);
        }
    }

    void loginWindowAndEditsHaveTheirDesign() {
        TForm_Login login;
        auto* name = login.findChild<QLineEdit*>(QStringLiteral("UserName_Edit"));
        auto* password = login.findChild<QLineEdit*>(QStringLiteral("Password_Edit"));
        QCOMPARE(login.windowTitle(), QStringLiteral("Login"));
        QCOMPARE(login.size(), QSize(312, 204));
        QCOMPARE(login.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(!name->isEnabled());
        // The field is never typed into; the names it shows are not cut.
        login.PrepareOpening(QStringLiteral("Living room camera"), false);
        QCOMPARE(name->text(), QStringLiteral("Living room camera"));
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        QCOMPARE(password->maxLength(), 63);
        QVERIFY(login.findChild<QPushButton*>(QStringLiteral("Button_Login_OK"))->isDefault());
    }

    void openingSetsNameEmptiesPasswordAndSetsMode() {
        TForm_Login login;
        auto* password = login.findChild<QLineEdit*>(QStringLiteral("Password_Edit"));
        login.PrepareOpening(QStringLiteral("Cam-A"), true);
        password->setText(QStringLiteral("secret"));

        login.PrepareOpening(QStringLiteral("Cam-B"), false);

        QCOMPARE(login.CameraName(), QStringLiteral("Cam-B"));
        QCOMPARE(login.PasswordText(), QString());
        QVERIFY(!login.PreviewModeFlag());
        QCOMPARE(login.LastPressed(), TForm_Login::PressedButton::None);
    }

    void loginButtonsCloseAndReportWhichWasPressed_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("pressed");
        QTest::addColumn<int>("execResult");
        QTest::newRow("OK") << QStringLiteral("Button_Login_OK")
                            << int(TForm_Login::PressedButton::Ok) << int(QDialog::Accepted);
        QTest::newRow("Cancel") << QStringLiteral("Button_Login_Cancel")
                                << int(TForm_Login::PressedButton::Cancel)
                                << int(QDialog::Rejected);
        QTest::newRow("title bar")
            << QString() << int(TForm_Login::PressedButton::None) << int(QDialog::Rejected);
    }

    void loginButtonsCloseAndReportWhichWasPressed() {
        QFETCH(QString, how);
        QFETCH(int, pressed);
        QFETCH(int, execResult);
        TForm_Login login;
        login.PrepareOpening(QStringLiteral("Cam"), true);
        QString typedPassword;
        QTimer::singleShot(0, &login, [&] {
            QTest::keyClicks(login.findChild<QLineEdit*>(QStringLiteral("Password_Edit")),
                             QStringLiteral("pw1"));
            if (how.isEmpty()) {
                login.close();
            } else {
                QTest::mouseClick(login.findChild<QPushButton*>(how), Qt::LeftButton);
            }
            if (login.isVisible()) {
                login.reject();
            }
        });

        const int result = login.exec();

        QCOMPARE(result, execResult);
        QCOMPARE(int(login.LastPressed()), pressed);
        QVERIFY(!login.isVisible());
        QCOMPARE(login.PasswordText(), QStringLiteral("pw1"));
    }

    void previewWindowHasItsDesign() {
        TForm_Preview preview;
        auto* box = preview.findChild<PreviewPaintBox*>(QStringLiteral("PaintBox_Preview"));
        QVERIFY(box != nullptr);
        QCOMPARE(preview.windowTitle(), QStringLiteral("Preview"));
        QCOMPARE(preview.size(), QSize(320, 240));
        QCOMPARE(preview.maximumSize(), QSize(320, 240));
        QCOMPARE(box->geometry(), QRect(0, 0, 320, 240));
        const Qt::WindowFlags flags = preview.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    }

    void paintBoxIsBlackWithoutPictureAndStretchesThePicture() {
        TForm_Preview preview;
        PreviewPaintBox* box = preview.paintBox();
        QImage empty = box->grab().toImage();
        QCOMPARE(empty.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(empty.pixelColor(319, 239), QColor(Qt::black));

        // A 2 x 1 picture, red on the left and blue on the right, fills the whole box.
        QImage picture(2, 1, QImage::Format_RGB32);
        picture.setPixelColor(0, 0, Qt::red);
        picture.setPixelColor(1, 0, Qt::blue);
        box->showPicture(picture);
        const QImage shown = box->grab().toImage();

        QCOMPARE(shown.size(), QSize(320, 240));
        QCOMPARE(shown.pixelColor(5, 5), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(150, 235), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(170, 5), QColor(Qt::blue));
        QCOMPARE(shown.pixelColor(315, 235), QColor(Qt::blue));
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::LoginPreviewWindowsTest)
#include "login_preview_windows_test.moc"
