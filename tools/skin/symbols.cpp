#include "symbols.h"

#include "painting.h"

#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <numbers>

namespace vistrel::skin {

void drawMagnifier(QPainter& painter, QPointF centre, qreal size, const QColor& colour) {
    const qreal unit = size / 20; // designed on a 20 × 20 grid centred on (10, 10)
    const QPointF lens = centre + QPointF(-1.6, -1.6) * unit;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(colour, 2.2 * unit));
    painter.drawEllipse(lens, 5.6 * unit, 5.6 * unit);
    painter.setPen(roundPen(colour, 3.2 * unit));
    painter.drawLine(lens + QPointF(4.6, 4.6) * unit, centre + QPointF(7.6, 7.6) * unit);
}

namespace {

QPainterPath gearOutline(qreal unit) {
    QPainterPath gear;
    gear.addEllipse(QPointF(0, 0), 6.6 * unit, 6.6 * unit);
    QPainterPath tooth;
    tooth.addRoundedRect(QRectF(-1.9 * unit, -9.4 * unit, 3.8 * unit, 4 * unit), 0.8 * unit,
                         0.8 * unit);
    for (int i = 0; i < 8; ++i) {
        gear = gear.united(QTransform().rotate(45.0 * i).map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(QPointF(0, 0), 2.9 * unit, 2.9 * unit);
    return gear.subtracted(hole);
}

} // namespace

void drawGear(QPainter& painter, QPointF centre, qreal size, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(gearOutline(size / 20).translated(centre));
}

namespace {

// An open arrow head at `tip`, pointing along `angle` (degrees, screen y downwards).
QPainterPath arrowHead(QPointF tip, qreal angle, qreal length) {
    const qreal radians = angle * std::numbers::pi / 180;
    const qreal spread = 0.6;
    QPainterPath head;
    head.moveTo(tip - length * QPointF(std::cos(radians - spread), std::sin(radians - spread)));
    head.lineTo(tip);
    head.lineTo(tip - length * QPointF(std::cos(radians + spread), std::sin(radians + spread)));
    return head;
}

QPointF onCircle(QPointF centre, qreal radius, qreal degrees) {
    const qreal radians = degrees * std::numbers::pi / 180;
    return centre + radius * QPointF(std::cos(radians), std::sin(radians));
}

} // namespace

void drawWpsSymbol(QPainter& painter, QPointF centre, qreal radius, const QColor& colour,
                   qreal width) {
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path;
    for (const qreal start : {200.0, 20.0}) { // Qt angles: counter-clockwise from 3 o'clock
        const qreal end = start - 130;        // each arrow sweeps clockwise on screen
        path.arcMoveTo(circle, start);
        path.arcTo(circle, start, end - start);
        // The head points along the clockwise tangent at the arc's end.
        path.addPath(arrowHead(onCircle(centre, radius, -end), -end + 90, radius * 0.55));
    }
    painter.strokePath(path, roundPen(colour, width));
}

void drawCheck(QPainter& painter, QPointF centre, qreal size, const QColor& colour, qreal width) {
    QPainterPath path;
    path.moveTo(centre + QPointF(-0.42, 0.02) * size);
    path.lineTo(centre + QPointF(-0.12, 0.3) * size);
    path.lineTo(centre + QPointF(0.42, -0.28) * size);
    painter.strokePath(path, roundPen(colour, width));
}

void drawPlus(QPainter& painter, QPointF centre, qreal size, const QColor& colour, qreal width) {
    QPainterPath path;
    path.moveTo(centre + QPointF(-0.5, 0) * size);
    path.lineTo(centre + QPointF(0.5, 0) * size);
    path.moveTo(centre + QPointF(0, -0.5) * size);
    path.lineTo(centre + QPointF(0, 0.5) * size);
    painter.strokePath(path, roundPen(colour, width));
}

void drawPadlock(QPainter& painter, QPointF centre, qreal size, const QColor& body,
                 const QColor& keyhole) {
    const qreal unit = size / 20; // a 20-unit-wide lock, 24 units high, centred
    QPainterPath shackle;
    shackle.moveTo(centre + QPointF(-6, -1) * unit);
    shackle.lineTo(centre + QPointF(-6, -5) * unit);
    shackle.arcTo(QRectF(centre + QPointF(-6, -11) * unit, QSizeF(12, 12) * unit), 180, -180);
    shackle.lineTo(centre + QPointF(6, -1) * unit);
    painter.strokePath(shackle, roundPen(body, 2.6 * unit));
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(centre + QPointF(-10, -1) * unit, QSizeF(20, 13) * unit),
                            2.5 * unit, 2.5 * unit);
    painter.setBrush(keyhole);
    painter.drawEllipse(centre + QPointF(0, 4) * unit, 2 * unit, 2 * unit);
    painter.drawRect(QRectF(centre + QPointF(-0.8, 4) * unit, QSizeF(1.6, 4.5) * unit));
}

void drawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, qreal width) {
    const QPointF direction = to - from;
    const qreal angle = std::atan2(direction.y(), direction.x()) * 180 / std::numbers::pi;
    QPainterPath path;
    path.moveTo(from);
    path.lineTo(to);
    path.addPath(arrowHead(to, angle, width * 3.2));
    painter.strokePath(path, roundPen(colour, width));
}

} // namespace vistrel::skin
