#include "window_pictures.h"

#include "lettering.h"
#include "logo_mark.h"
#include "painting.h"
#include "palette.h"
#include "skin_layout.h"
#include "symbols.h"

#include <QRadialGradient>

namespace vistrel::skin {
namespace {

using layout::inBackground;

void paintTitleBand(QPainter& painter) {
    // From the picture's top edge, hidden above the window, to its right edge, hidden beside it.
    const QRect band = inBackground(layout::kTitleBand).adjusted(0, -4, 18, 0);
    fillVertical(painter, band, kInk600, kInk700);
    const qreal windowTop = inBackground(layout::kWindowShape).top() + 0.5;
    painter.setPen(QPen(withAlpha(kMist, 30), 1));
    painter.drawLine(QPointF(0, windowTop), QPointF(band.right() + 1, windowTop));
}

void paintListWell(QPainter& painter) {
    const QRect list = inBackground(layout::kList);
    painter.fillRect(list, kListGrey);
    painter.setPen(QPen(kGlass, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(list).adjusted(-0.5, -0.5, 0.5, 0.5));
    painter.setPen(QPen(withAlpha(kMist, 18), 1));
    painter.drawRect(QRectF(list).adjusted(-1.5, -1.5, 1.5, 1.5));
}

void paintTitle(QPainter& painter) {
    drawLogoMark(painter, inBackground(layout::kLogo), LogoBacking::Bare);
    const qreal unit = 1.3; // pixels per lettering unit: capitals 13 pixels high
    painter.save();
    painter.translate(layout::kTitleBaseline - layout::kBackgroundOrigin);
    painter.scale(unit, unit);
    painter.strokePath(letteringPath("Vistrel"), roundPen(kMist, kLetteringStroke));
    painter.translate(letteringWidth("Vistrel "), 0);
    painter.strokePath(letteringPath("Finder"), roundPen(kAccentLight, kLetteringStroke));
    painter.restore();
}

} // namespace

QImage mainBackground(int scale) {
    QImage image = blankImage(layout::kBackgroundSize, kInk800, scale);
    QPainter painter(&image);
    makeSmooth(painter);
    fillVertical(painter, pictureRect(image), kInk700, kInk900);
    paintTitleBand(painter);
    paintListWell(painter);
    paintTitle(painter);
    return image;
}

namespace {

// The common ground of the small windows: a slate gradient under a thin accent rule, and a
// darker footer for the buttons when `footerTop` is above the bottom.
QImage dialogGround(QSize size, int footerTop, int scale) {
    QImage image = blankImage(size, kInk700, scale);
    QPainter painter(&image);
    makeSmooth(painter);
    fillVertical(painter, pictureRect(image), kInk600, kInk800);
    if (footerTop < size.height()) {
        const QRectF footer(0, footerTop, size.width(), size.height() - footerTop);
        fillVertical(painter, footer, kInk800, kInk900);
        painter.setPen(QPen(withAlpha(kMist, 22), 1));
        painter.drawLine(QPointF(0, footerTop + 0.5), QPointF(size.width(), footerTop + 0.5));
    }
    QLinearGradient rule(0, 0, size.width(), 0);
    rule.setColorAt(0, kAccentDeep);
    rule.setColorAt(0.5, kAccent);
    rule.setColorAt(1, kAccentDeep);
    painter.fillRect(QRectF(0, 0, size.width(), 3), rule);
    return image;
}

void paintCornerRings(QPainter& painter, QPointF centre, const std::initializer_list<int>& radii) {
    painter.setBrush(Qt::NoBrush);
    for (const int radius : radii) {
        painter.setPen(QPen(withAlpha(kMist, 7), 14));
        painter.drawEllipse(centre, radius, radius);
    }
}

} // namespace

QImage wizardBackground(int scale) {
    QImage image = dialogGround(QSize(729, 429), 429, scale);
    QPainter painter(&image);
    makeSmooth(painter);
    QRadialGradient glow(QPointF(120, 40), 420);
    glow.setColorAt(0, withAlpha(kAccent, 22));
    glow.setColorAt(1, withAlpha(kAccent, 0));
    painter.fillRect(pictureRect(image), glow);
    paintCornerRings(painter, QPointF(729, 429), {110, 170, 230});
    return image;
}

QImage messageBackground(int scale) {
    return dialogGround(QSize(312, 206), 140, scale);
}

QImage waitingBackground(int scale) {
    QImage image = dialogGround(QSize(292, 166), 166, scale);
    QPainter painter(&image);
    makeSmooth(painter);
    // Shown 201 × 113 in the window, left of the text that starts at x = 60.
    const QPointF centre(47, 72);
    painter.setBrush(Qt::NoBrush);
    for (const int radius : {30, 22}) {
        painter.setPen(roundPen(withAlpha(kAccent, radius == 30 ? 60 : 110), 2));
        painter.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                        30 * 16, 120 * 16);
    }
    drawMagnifier(painter, centre + QPointF(0, 4), 28, kAccentLight);
    return image;
}

QImage loginBackground(int scale) {
    QImage image = dialogGround(QSize(312, 204), 134, scale);
    QPainter painter(&image);
    makeSmooth(painter);
    // Left of the captions at x = 60, between the two rows of edits.
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(kAccent, 36));
    painter.drawEllipse(QPointF(33, 73), 19, 19);
    drawPadlock(painter, QPointF(33, 75), 17, kAccentLight, kInk700);
    return image;
}

} // namespace vistrel::skin
