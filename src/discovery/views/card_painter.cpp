#include "discovery/views/card_painter.h"

#include "discovery/card_geometry.h"
#include "platform/camera_text.h"
#include "ui/skin_pictures.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QPainter>

namespace vistrel {

namespace {

// The state pictures are copied with the colour 0xFEFFFF transparent, the preview pictures
// with black transparent.
const QColor kStateKey{255, 255, 254};
const QColor kViewKey{0, 0, 0};

QRect toQRect(const CardRect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

// A picture is placed by its size in window pixels: a picture drawn at twice the size takes
// the place of the single one.
void drawInSquare(QPainter& painter, const QPixmap& picture, int squareLeft, int side) {
    if (picture.isNull()) {
        return;
    }
    const QSize size = picture.deviceIndependentSize().toSize();
    const CardRect place = pictureRectInSquare(squareLeft, side, size.width(), size.height());
    painter.drawPixmap(toQRect(place), picture);
}

const QPixmap& pictureAt(const auto& pictures, int number) {
    static const QPixmap none;
    return number >= 0 && number < static_cast<int>(pictures.size()) ? pictures[number] : none;
}

QString valueOfLine(const _camdev& entry, int line) {
    switch (line) {
    case 0:
        return fromCameraText(entry.name);
    case 1:
        return fromCameraText(entry.model);
    case 2:
        return fromCameraText(entry.ip);
    default:
        return fromCameraText(entry.mac);
    }
}

QPixmap keyed(const QString& fileName, const QColor& key) {
    QPixmap picture = loadSkinPicture(fileName);
    if (!picture.isNull()) {
        picture.setMask(picture.createMaskFromColor(key, Qt::MaskInColor));
    }
    return picture;
}

} // namespace

CardPictures CardPictures::fromSkin() {
    CardPictures pictures;
    pictures.background = loadSkinPicture(QStringLiteral("bk.bmp"));
    for (int n = 1; n <= 5; ++n) {
        pictures.states[n] = keyed(QStringLiteral("state-%1.bmp").arg(n), kStateKey);
    }
    for (int n = 1; n <= 2; ++n) {
        pictures.views[n] = keyed(QStringLiteral("view-%1.bmp").arg(n), kViewKey);
    }
    return pictures;
}

namespace {

QImage blankCard(QSize size, qreal devicePixelRatio) {
    QImage card(size * devicePixelRatio, QImage::Format_RGB32);
    card.setDevicePixelRatio(devicePixelRatio);
    card.fill(kCameraListColour);
    return card;
}

} // namespace

QImage composeCard(const _camdev& entry, const CardPictures& pictures, const CardLabels& labels,
                   const QFont& font, QSize size, bool selected, qreal devicePixelRatio) {
    const int width = size.width();
    const int height = size.height();
    QImage card = blankCard(size, devicePixelRatio);
    {
        QPainter painter(&card);
        painter.setFont(font);
        if (!pictures.background.isNull()) {
            painter.drawPixmap(QRect(0, 0, width, height), pictures.background);
        }
        drawInSquare(painter, pictureAt(pictures.states, entry.state), 0, height);
        drawInSquare(painter, pictureAt(pictures.views, entry.view), width - height, height);

        painter.setPen(Qt::white);
        const int textHeight = QFontMetrics(font).height();
        const auto boxes = textLineBoxes(width, height, textHeight);
        for (int line = 0; line < 4; ++line) {
            painter.drawText(toQRect(boxes[line]),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             labels[line] + QStringLiteral(" : ") + valueOfLine(entry, line));
        }
    }
    QImage blended = blankCard(size, devicePixelRatio);
    QPainter painter(&blended);
    painter.setOpacity(selected ? 1.0 : 127 / 255.0);
    painter.drawImage(0, 0, card);
    return blended;
}

} // namespace vistrel
