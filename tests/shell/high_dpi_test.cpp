// The windows on a screen at 200 % (QT_SCALE_FACTOR=2 on the offscreen platform): every skin
// picture they show is the one drawn at twice the size, pixel for pixel, and the main window's
// screenshot at 2x is left in the build tree for a look.

#include "discovery/card_geometry.h"
#include "platform/data_paths.h"
#include "support/datagram_fixtures.h"
#include "support/main_window_fixture.h"
#include "ui/screenshot.h"
#include "ui/skin_pictures.h"

#include <QDir>
#include <QLabel>
#include <QToolButton>
#include <optional>
#include <string_view>
#include <vector>

namespace vistrel {
namespace {

QImage doubledPicture(const QString& fileName) {
    return QImage(QDir(skinDirectory()).filePath(doubledFileName(fileName)))
        .convertToFormat(QImage::Format_RGB32);
}

// The pixels of `picture` that differ from the shot at `at` (device pixels); pixels of the
// picture's colour key are not drawn and not compared.
int differingPixels(const QImage& shot, QPoint at, const QImage& picture,
                    std::optional<QRgb> key = std::nullopt) {
    int differing = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb drawn = picture.pixel(x, y) & 0xffffff;
            if (key && drawn == (*key & 0xffffff)) {
                continue;
            }
            const QPoint place = at + QPoint(x, y);
            differing += !shot.rect().contains(place) || (shot.pixel(place) & 0xffffff) != drawn;
        }
    }
    return differing;
}

QImage shotOf(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class HighDpiTest : public QObject, private test::MainWindowFixture {
    Q_OBJECT

private:
    QPoint inDevicePixels(QWidget* widget, QPoint point) {
        return widget->mapTo(form.get(), point) * 2;
    }

    void addCamera(std::uint8_t lastMacByte, std::uint8_t setupFlagA, std::uint8_t setupFlagB,
                   std::string_view name) {
        test::DiscoveryReplyFields fields;
        fields.mac[5] = lastMacByte;
        fields.ip[3] = lastMacByte;
        fields.setupFlagA = setupFlagA;
        fields.setupFlagB = setupFlagB;
        fields.name = name;
        form->decodeDatagram(test::discoveryReply(fields));
    }

private slots:
    void initTestCase() {
        QVERIFY2(qApp->devicePixelRatio() == 2, "the test runs with QT_SCALE_FACTOR=2");
    }

    void init() {
        start({.firstTick = false});
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { stop(); }

    void theScreenshotHasTwiceThePixels() {
        addCamera(1, 0, 2, "Front door"); // new
        addCamera(2, 1, 2, "Garden");     // set up
        addCamera(3, 1, 7, "Recorder");   // another device
        form->GetDhcp_TimerTimer();       // applies the language: the cards' labels
        const QString file = QDir(QStringLiteral(VISTREL_TEST_OUTPUT_DIR))
                                 .filePath(QStringLiteral("main-window@2x.png"));
        QVERIFY(saveWindowScreenshot(*form, file));
        QCOMPARE(QImage(file).size(), QSize(524, 495) * 2);
    }

    void pictureButtonsShowTheDoubledPicturesPixelForPixel() {
        const QImage shot = shotOf(*form);
        for (const auto& [name, stem] : {std::pair{"Image_Min", "min"},
                                         {"Image_Close", "close"},
                                         {"TntImage_Search", "search"},
                                         {"TntImage_Set", "setting"}}) {
            auto* button = form->findChild<QLabel*>(QLatin1String(name));
            QVERIFY(button);
            const QImage picture =
                doubledPicture(QStringLiteral("%1-2.bmp").arg(QLatin1String(stem)));
            QCOMPARE(picture.size(), button->size() * 2);
            QCOMPARE(differingPixels(shot, inDevicePixels(button, {0, 0}), picture), 0);
        }
    }

    void cardsShowTheDoubledPicturesPixelForPixel() {
        addCamera(1, 1, 2, "Garden"); // set up: a state picture and the preview button
        form->GetDhcp_TimerTimer();   // the first second is over
        auto& list = form->ListBox_IPCAM();
        const QRect card = list.itemRect(0);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, card.center());
        QCOMPARE(list.currentIndex(), 0); // selected: drawn opaque

        const QImage shot = shotOf(*form);
        const _camdev& entry = form->cameraList().entry(0);
        const QImage state = doubledPicture(QStringLiteral("state-%1.bmp").arg(entry.state));
        const QImage view = doubledPicture(QStringLiteral("view-%1.bmp").arg(entry.view));
        const int side = card.height();
        const CardRect stateAt = pictureRectInSquare(0, side, 64, 64);
        const CardRect viewAt = pictureRectInSquare(card.width() - side, side, 64, 64);
        const QPoint stateCorner = card.topLeft() + QPoint(stateAt.left, stateAt.top);
        const QPoint viewCorner = card.topLeft() + QPoint(viewAt.left, viewAt.top);
        QCOMPARE(differingPixels(shot, inDevicePixels(list.viewport(), stateCorner), state,
                                 qRgb(255, 255, 254)),
                 0);
        QCOMPARE(
            differingPixels(shot, inDevicePixels(list.viewport(), viewCorner), view, qRgb(0, 0, 0)),
            0);
    }

    void everyWindowPictureIsTheDoubledOne() {
        std::vector<QLabel*> pictures;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (!label->pixmap().isNull()) {
                    pictures.push_back(label);
                }
            }
        }
        QVERIFY(pictures.size() >= 20); // the windows' backgrounds, buttons and illustrations
        for (const QLabel* label : pictures) {
            QVERIFY2(label->pixmap().devicePixelRatio() == 2, qPrintable(label->objectName()));
        }
    }

    void theWpsButtonShowsTheDoubledPicture() {
        auto* button = form->wizard().findChild<QToolButton*>(QStringLiteral("SpeedButton_T6"));
        QVERIFY(button);
        form->wizard().ShowPage(WizardPage::WConfig);
        form->wizard().show();
        QVERIFY(QTest::qWaitForWindowExposed(&form->wizard()));
        const QImage shot = shotOf(*button);
        const QImage picture = doubledPicture(QStringLiteral("wps-button.bmp"));
        const QPoint corner = (QRect(QPoint(), button->size()).center() -
                               QRect(QPoint(), picture.size() / 2).center()) *
                              2;
        QCOMPARE(differingPixels(shot, corner, picture), 0);
    }
};

} // namespace vistrel

QTEST_MAIN(vistrel::HighDpiTest)
#include "high_dpi_test.moc"
