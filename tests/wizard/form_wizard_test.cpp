#include "wizard/form_wizard.h"
#include "wizard_fixture.h"

#include <QLineEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace vistrel {
namespace {

QImage filledPicture(QSize size, QColor colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

} // namespace

class FormWizardTest : public QObject, private wizard_test::WizardFixture {
    Q_OBJECT

private slots:
    void init() { createWizard(); }
    void cleanup() { destroyWizard(); }

    void showPageShowsThatPageAlone_data() {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= kWizardPageCount; ++n) {
            QTest::addRow("page %d", n) << n;
        }
    }

    void showPageShowsThatPageAlone() {
        QFETCH(int, n);
        const auto page = static_cast<WizardPage>(n);
        wizard->show();
        wizard->ShowPage(page == WizardPage::Dhcp ? WizardPage::Network : WizardPage::Dhcp);
        wizard->setWindowTitle(QStringLiteral("before"));
        wizard->ShowPage(page);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Admin"));
        QCOMPARE(wizard->shownPage(), page);
        auto* pages = control<QStackedWidget>(QStringLiteral("PageControl_Wizard"));
        QCOMPARE(pages->currentWidget(), wizard->page(page));
        QCOMPARE(wizard->page(page)->objectName(), QStringLiteral("TabSheet%1").arg(n));
        for (int other = 1; other <= kWizardPageCount; ++other) {
            QCOMPARE(wizard->page(static_cast<WizardPage>(other))->isVisible(), other == n);
        }
    }

    // None, and values no page has, hide every page.
    void showPageOutsideTheRangeHidesEveryPage_data() {
        QTest::addColumn<int>("n");
        QTest::newRow("None") << 0;
        QTest::newRow("13") << 13;
        QTest::newRow("-1") << -1;
    }

    void showPageOutsideTheRangeHidesEveryPage() {
        QFETCH(int, n);
        wizard->ShowPage(WizardPage::Wireless);
        wizard->setWindowTitle(QStringLiteral("before"));
        wizard->ShowPage(static_cast<WizardPage>(n));
        QCOMPARE(wizard->shownPage(), WizardPage::None);
        QCOMPARE(wizard->windowTitle(), QStringLiteral("before"));
        wizard->ShowPage(WizardPage::Wireless);
        QCOMPARE(wizard->shownPage(), WizardPage::Wireless);
    }

    void showPageLeavesTheWindowAsItWas() {
        wizard->ShowPage(WizardPage::Wire);
        QVERIFY(!wizard->isVisible());
        wizard->show();
        wizard->ShowPage(WizardPage::WConfig);
        QVERIFY(wizard->isVisible());
        QVERIFY(wizard->page(WizardPage::WConfig)->isVisible());
    }

    void showPageFiveRefillsNameAndEmptiesPasswords() {
        std::string cameraName = "Garden";
        wizard->setCameraNameSource([&cameraName] { return cameraName; });
        NamePage& page = wizard->pages().name;
        for (const char* name : {"Garden", "Porch"}) {
            cameraName = name;
            page.account.name->setText(QStringLiteral("typed"));
            page.account.password->setText(QStringLiteral("secret"));
            page.account.confirm->setText(QStringLiteral("secret"));
            wizard->ShowPage(WizardPage::Name);
            QCOMPARE(page.account.name->text(), QString::fromLatin1(name));
            QVERIFY(page.account.password->text().isEmpty());
            QVERIFY(page.account.confirm->text().isEmpty());
        }
    }

    void showPageTwelveRefillsNameAndKeepsPasswords() {
        wizard->setCameraNameSource([] { return std::string("Garden"); });
        OldNetworkPage& page = wizard->pages().oldNetwork;
        page.account.name->setText(QStringLiteral("typed"));
        page.account.password->setText(QStringLiteral("secret"));
        page.account.confirm->setText(QStringLiteral("secret2"));
        wizard->ShowPage(WizardPage::OldNetwork);
        QCOMPARE(page.account.name->text(), QStringLiteral("Garden"));
        QCOMPARE(page.account.password->text(), QStringLiteral("secret"));
        QCOMPARE(page.account.confirm->text(), QStringLiteral("secret2"));
    }

    void showPageWithoutCameraEmptiesTheName() {
        wizard->pages().name.account.name->setText(QStringLiteral("typed"));
        wizard->ShowPage(WizardPage::Name);
        QVERIFY(wizard->pages().name.account.name->text().isEmpty());
    }

    void windowIsAFixedGreyFrame() {
        QCOMPARE(wizard->size(), QSize(729, 428));
        QCOMPARE(wizard->minimumSize(), QSize(729, 428));
        QCOMPARE(wizard->maximumSize(), QSize(729, 428));
        const Qt::WindowFlags flags = wizard->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(wizard->autoFillBackground());
        QCOMPARE(wizard->palette().color(QPalette::Window), QColor(132, 132, 132));
    }

    void picturesComeFromTheSkin_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QColor>("colour");
        const QColor background(20, 90, 160);
        for (int n = 1; n <= 12; ++n) {
            QTest::addRow("Image_T%d", n)
                << QStringLiteral("Image_T%1").arg(n) << QSize(729, 429) << background;
        }
        QTest::newRow("Image_T12_1")
            << QStringLiteral("Image_T12_1") << QSize(729, 429) << background;
        QTest::newRow("Image_T12_2")
            << QStringLiteral("Image_T12_2") << QSize(729, 429) << background;
        QTest::newRow("Image_T7_Picture")
            << QStringLiteral("Image_T7_Picture") << QSize(300, 300) << QColor(200, 40, 40);
        QTest::newRow("Image_T8_Picture")
            << QStringLiteral("Image_T8_Picture") << QSize(300, 300) << QColor(40, 200, 40);
        QTest::newRow("Image_T11_Picture")
            << QStringLiteral("Image_T11_Picture") << QSize(250, 300) << QColor(200, 200, 40);
    }

    // Pictures are looked up in the working directory's image_Quarel first.
    void picturesComeFromTheSkin() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(QColor, colour);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QDir skin(root.path());
        QVERIFY(skin.mkdir(QStringLiteral("image_Quarel")) &&
                skin.cd(QStringLiteral("image_Quarel")));
        const auto save = [&skin](const char* file, QSize pictureSize, QColor fill) {
            return filledPicture(pictureSize, fill).save(skin.filePath(QLatin1String(file)), "BMP");
        };
        QVERIFY(save("729-x-429.bmp", {729, 429}, QColor(20, 90, 160)));
        QVERIFY(save("wizard-unplug.bmp", {300, 300}, QColor(200, 40, 40)));
        QVERIFY(save("wizard-replug.bmp", {300, 300}, QColor(40, 200, 40)));
        QVERIFY(save("wizard-wps.bmp", {250, 300}, QColor(200, 200, 40)));
        QVERIFY(save("wps-button.bmp", {108, 47}, QColor(90, 40, 200)));

        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(root.path()));
        TForm_Wizard skinned;
        QVERIFY(QDir::setCurrent(previous));

        const auto* picture = skinned.findChild<QLabel*>(name);
        QVERIFY(picture != nullptr);
        const QImage loaded = picture->pixmap().toImage();
        QCOMPARE(loaded.size(), size);
        QCOMPARE(loaded.pixelColor(size.width() / 2, size.height() / 2), colour);

        const auto* wps = skinned.findChild<QToolButton*>(QStringLiteral("SpeedButton_T6"));
        const QImage icon = wps->icon().pixmap(QSize(108, 47)).toImage();
        QCOMPARE(icon.pixelColor(54, 23), QColor(90, 40, 200));
    }

    void closingOnlyHides() {
        QPointer<TForm_Wizard> window = wizard.get();
        wizard->show();
        QVERIFY(QTest::qWaitForWindowExposed(wizard.get()));
        wizard->ShowPage(WizardPage::Wireless);
        QVERIFY(wizard->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window.isNull());
        QVERIFY(!wizard->isVisible());
        QCOMPARE(wizard->shownPage(), WizardPage::Wireless);
        // Closing the wizard when it is the last window shown must not end the program.
        QVERIFY(!wizard->testAttribute(Qt::WA_QuitOnClose));
        wizard->show();
        QVERIFY(wizard->page(WizardPage::Wireless)->isVisible());
    }

    void stayOnTopKeepsTheWindowAsItWas() {
        wizard->setStayOnTop();
        QVERIFY(wizard->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!wizard->isVisible());
        TForm_Wizard shown;
        shown.show();
        shown.setStayOnTop();
        QVERIFY(shown.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(shown.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(shown.isVisible());
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::FormWizardTest)
#include "form_wizard_test.moc"
