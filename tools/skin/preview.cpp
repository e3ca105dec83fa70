#include "preview.h"

#include "painting.h"
#include "palette.h"
#include "skin_layout.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainterPath>

namespace vistrel::skin {
namespace {

QImage picture(const std::vector<NamedPicture>& pictures, const QString& name) {
    return findPicture(pictures, name);
}

// The picture with its key colour made transparent, as the program copies it.
QImage withKeyCleared(const QImage& image, QRgb key) {
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            row[x] = (row[x] & 0xffffff) == key ? 0 : row[x];
        }
    }
    return keyed;
}

void drawCentred(QPainter& painter, const QImage& image, const QRect& square, QRgb key) {
    const QPoint at = square.topLeft() + QPoint((square.width() - image.width()) / 2,
                                                (square.height() - image.height()) / 2);
    painter.drawImage(at, withKeyCleared(image, key));
}

// A camera of the list; new cameras (states 1 and 2, the picked one) have no preview.
struct CardSample {
    int state;
    bool selected;
    const char* name;
    const char* ip;
};

void drawCardTexts(QPainter& painter, const CardSample& sample, int width) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const int line = QFontMetrics(font).height() * 3 / 2;
    const QString texts[] = {QStringLiteral("Camera Name : ") + QLatin1String(sample.name),
                             QStringLiteral("Model : VC-210W"),
                             QStringLiteral("IP Address : ") + QLatin1String(sample.ip),
                             QStringLiteral("MAC Address : 00:1a:2b:3c:4d:5e")};
    int top = (100 - 4 * line) / 2;
    for (const QString& text : texts) {
        painter.drawText(QRect(100, top, width - 200, line - 1), Qt::AlignVCenter, text);
        top += line;
    }
}

QImage composedCard(const std::vector<NamedPicture>& pictures, const CardSample& sample,
                    int width) {
    QImage card = blankImage(QSize(width, 100), kListGrey);
    {
        QPainter painter(&card);
        painter.drawImage(card.rect(), picture(pictures, QStringLiteral("bk.bmp")));
        drawCentred(painter, picture(pictures, QStringLiteral("state-%1.bmp").arg(sample.state)),
                    QRect(0, 0, 100, 100), kStateKey);
        drawCentred(painter,
                    picture(pictures, QStringLiteral("view-%1.bmp").arg(sample.state <= 2 ? 1 : 2)),
                    QRect(width - 100, 0, 100, 100), kViewKey);
        drawCardTexts(painter, sample, width);
    }
    QImage blended = blankImage(card.size(), kListGrey);
    QPainter painter(&blended);
    painter.setOpacity(sample.selected ? 1.0 : 127 / 255.0);
    painter.drawImage(0, 0, card);
    return blended;
}

void drawLanguageBox(QPainter& painter) {
    const QRectF box = QRectF(layout::kLanguageBox).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(QColor(0x9a, 0x9a, 0x9a), 1));
    painter.setBrush(QColor(0xef, 0xef, 0xef));
    painter.drawRoundedRect(box, 2, 2);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(QColor(0x20, 0x20, 0x20));
    painter.drawText(box.adjusted(6, 0, 0, 0), Qt::AlignVCenter, QStringLiteral("English"));
    painter.drawText(box.adjusted(0, 0, -6, 0), Qt::AlignVCenter | Qt::AlignRight,
                     QStringLiteral("\u25be"));
}

void drawButtons(QPainter& painter, const std::vector<NamedPicture>& pictures) {
    painter.drawImage(layout::kMinButton.topLeft(), picture(pictures, QStringLiteral("min-2.bmp")));
    painter.drawImage(layout::kCloseButton.topLeft(),
                      picture(pictures, QStringLiteral("close-2.bmp")));
    painter.drawImage(layout::kSearchButton.topLeft(),
                      picture(pictures, QStringLiteral("search-1.bmp")));
    painter.drawImage(layout::kSettingsButton.topLeft(),
                      picture(pictures, QStringLiteral("setting-2.bmp")));
}

void drawList(QPainter& painter, const std::vector<NamedPicture>& pictures) {
    const CardSample samples[] = {{3, false, "Garden", "192.168.  2.  3"},
                                  {2, true, "Front door", "192.168.  2. 17"},
                                  {1, false, "Garage", "192.168.  2. 21"},
                                  {5, false, "Hallway", "192.168.  2. 40"}};
    painter.fillRect(layout::kList, kListGrey);
    QPoint at = layout::kList.topLeft();
    for (const CardSample& sample : samples) {
        painter.drawImage(at, composedCard(pictures, sample, layout::kList.width()));
        at.ry() += 100;
    }
}

QImage windowContent(const std::vector<NamedPicture>& pictures) {
    QImage window = blankImage(layout::kWindowSize, Qt::white);
    QPainter painter(&window);
    painter.drawImage(layout::kBackgroundOrigin, picture(pictures, QStringLiteral("bg.bmp")));
    drawList(painter, pictures);
    drawButtons(painter, pictures);
    drawLanguageBox(painter);
    return window;
}

} // namespace

QImage mainWindowPreview(const std::vector<NamedPicture>& pictures) {
    const int margin = 24;
    QImage desktop = blankImage(layout::kWindowSize + QSize(2 * margin, 2 * margin), Qt::black);
    QPainter painter(&desktop);
    fillVertical(painter, desktop.rect(), QColor(0x5b, 0x6e, 0x8c), QColor(0x2e, 0x3a, 0x4f));
    painter.translate(margin, margin);
    QPainterPath shape; // the window's mask, aliased as a region is
    shape.addRoundedRect(layout::kWindowShape, layout::kWindowRadius, layout::kWindowRadius);
    painter.setClipPath(shape);
    painter.setOpacity(240 / 255.0);
    painter.drawImage(0, 0, windowContent(pictures));
    return desktop;
}

namespace {

// Draws the image at `at`, magnified, and returns the x just after it.
int drawMagnified(QPainter& painter, const QImage& image, QPoint at, int times) {
    painter.drawImage(QRect(at, image.size() * times), image);
    return at.x() + image.width() * times + 12;
}

void drawCardColumn(QPainter& painter, const std::vector<NamedPicture>& pictures) {
    int y = 0;
    for (int state = 1; state <= 5; ++state) {
        for (const bool selected : {true, false}) {
            painter.drawImage(
                0, y, composedCard(pictures, {state, selected, "Garden", "192.168.  2.  3"}, 500));
            y += 100;
        }
    }
}

void drawButtonRow(QPainter& painter, const std::vector<NamedPicture>& pictures, QPoint at) {
    for (const char* name : {"search", "setting", "min", "close"}) {
        for (const char* variant : {"-2.bmp", "-1.bmp"}) {
            at.setX(drawMagnified(
                painter, picture(pictures, QLatin1String(name) + QLatin1String(variant)), at, 3));
        }
    }
}

} // namespace

QImage contactSheet(const std::vector<NamedPicture>& pictures) {
    QImage sheet = blankImage(QSize(1420, 1270), QColor(0x40, 0x40, 0x40));
    QPainter painter(&sheet);
    drawCardColumn(painter, pictures);
    painter.translate(520, 0);
    const auto place = [&](int x, int y, const char* name) {
        painter.drawImage(x, y, picture(pictures, QLatin1String(name)));
    };
    place(0, 0, "729-x-429.bmp");
    place(0, 440, "message-bg.bmp");
    place(324, 440, "waiting-bg.bmp");
    place(628, 440, "wps-button.bmp");
    place(0, 660, "login-bg.bmp");
    drawButtonRow(painter, pictures, QPoint(0, 876));
    place(0, 960, "wizard-unplug.bmp");
    place(312, 960, "wizard-replug.bmp");
    place(624, 960, "wizard-wps.bmp");
    return sheet;
}

} // namespace vistrel::skin
