#include "illustrations.h"

#include "device_drawings.h"
#include "painting.h"
#include "palette.h"
#include "symbols.h"

#include <QRadialGradient>

namespace vistrel::skin {
namespace {

// A framed panel filling the picture, a shade lighter than the wizard's page.
QImage panel(QSize size, int scale) {
    QImage image = blankImage(size, kInk700, scale);
    QPainter painter(&image);
    makeSmooth(painter);
    painter.setPen(QPen(kInk500, 1));
    painter.setBrush(verticalGradient(0, size.height(), kInk600, kInk700));
    painter.drawRoundedRect(pictureRect(image).adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);
    return image;
}

QImage drawnOnPanel(QSize size, int scale, const ArtPainter& art) {
    return paintedOver(panel(size, scale), art);
}

// Short strokes flying off the gap between socket and plug.
void drawBreakMarks(QPainter& painter, QPointF centre) {
    painter.setPen(roundPen(kAccentLight, 2.5));
    painter.drawLine(centre + QPointF(-4, -14), centre + QPointF(-7, -24));
    painter.drawLine(centre + QPointF(4, -14), centre + QPointF(7, -24));
    painter.drawLine(centre + QPointF(-4, 14), centre + QPointF(-7, 24));
    painter.drawLine(centre + QPointF(4, 14), centre + QPointF(7, 24));
}

void drawLinkGlow(QPainter& painter, QPointF centre) {
    QRadialGradient glow(centre, 34);
    glow.setColorAt(0, withAlpha(kAccent, 120));
    glow.setColorAt(1, withAlpha(kAccent, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, 34, 34);
}

} // namespace

QImage unplugPicture(int scale) {
    return drawnOnPanel(QSize(300, 300), scale, [](QPainter& painter) {
        painter.translate(10, 6);
        drawCameraProfile(painter);
        drawPlug(painter, 212, 278);
        drawBreakMarks(painter, QPointF(199, 137));
        drawArrow(painter, QPointF(206, 88), QPointF(252, 88), kAccentLight, 3.5);
    });
}

QImage replugPicture(int scale) {
    return drawnOnPanel(QSize(300, 300), scale, [](QPainter& painter) {
        painter.translate(10, 6);
        drawLinkGlow(painter, QPointF(186, 137));
        drawCameraProfile(painter);
        drawPlug(painter, 180, 262);
        drawArrow(painter, QPointF(252, 88), QPointF(206, 88), kAccentLight, 3.5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kAccent);
        painter.drawEllipse(QPointF(186, 190), 11, 11);
        drawCheck(painter, QPointF(186, 190), 12, Qt::white, 2.6);
    });
}

QImage wpsPicture(int scale) {
    return drawnOnPanel(QSize(250, 300), scale, [](QPainter& painter) {
        painter.translate(0, 10);
        drawRouter(painter);
        drawArrow(painter, QPointF(160, 96), QPointF(160, 150), kAccentLight, 3.5);
    });
}

} // namespace vistrel::skin
