#pragma once
// Line symbols shared by several pictures, each drawn centred on a point at a given size.

#include <QColor>
#include <QPainter>

namespace vistrel::skin {

// A magnifying glass whose lens and handle fit a square of `size`.
void drawMagnifier(QPainter& painter, QPointF centre, qreal size, const QColor& colour);

// A gear with eight teeth and a hole, fitting a square of `size`.
void drawGear(QPainter& painter, QPointF centre, qreal size, const QColor& colour);

// The push-button symbol of protected Wi-Fi set-up: two arrows chasing round a circle.
void drawWpsSymbol(QPainter& painter, QPointF centre, qreal radius, const QColor& colour,
                   qreal width);

// A check mark fitting a square of `size`.
void drawCheck(QPainter& painter, QPointF centre, qreal size, const QColor& colour, qreal width);

// A plus sign fitting a square of `size`.
void drawPlus(QPainter& painter, QPointF centre, qreal size, const QColor& colour, qreal width);

// A closed padlock fitting a box `size` wide.
void drawPadlock(QPainter& painter, QPointF centre, qreal size, const QColor& body,
                 const QColor& keyhole);

// An arrow from `from` to `to` with an open head.
void drawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, qreal width);

} // namespace vistrel::skin
