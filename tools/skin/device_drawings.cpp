#include "device_drawings.h"

#include "painting.h"
#include "palette.h"
#include "symbols.h"

#include <QPainterPath>
#include <array>
#include <utility>

namespace vistrel::skin {
namespace {

void drawShadow(QPainter& painter, QPointF centre, qreal halfWidth) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(kGlass, 110));
    painter.drawEllipse(centre, halfWidth, 6);
}

void drawCameraStand(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(verticalGradient(206, 218, kMistDim, kSteel));
    painter.drawRoundedRect(QRectF(55, 206, 90, 12), 6, 6);
    painter.setBrush(verticalGradient(170, 206, kSteel, kMistDim));
    painter.drawRect(QRectF(92, 170, 16, 37));
}

void drawCameraLens(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(verticalGradient(110, 164, kInk500, kInk700));
    painter.drawRoundedRect(QRectF(16, 110, 34, 54), 8, 8);
    painter.setBrush(verticalGradient(112, 162, kAccentLight, kAccentDeep));
    painter.drawEllipse(QPointF(19, 137), 7, 25);
    painter.setBrush(kGlass);
    painter.drawEllipse(QPointF(18, 137), 4, 17);
    painter.setBrush(withAlpha(Qt::white, 200));
    painter.drawEllipse(QPointF(17, 127), 1.6, 4);
}

void drawCameraSocket(QPainter& painter) {
    painter.setPen(QPen(kInk400, 1));
    painter.setBrush(kInk800);
    painter.drawRoundedRect(QRectF(168.5, 121.5, 17, 31), 3, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGlass);
    painter.drawRect(QRectF(177, 126, 9, 22));
}

} // namespace

void drawCameraProfile(QPainter& painter) {
    drawShadow(painter, QPointF(100, 224), 70);
    drawCameraStand(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(verticalGradient(96, 172, kMist, kMistDim));
    painter.drawRoundedRect(QRectF(40, 96, 130, 76), 18, 18);
    painter.setBrush(withAlpha(Qt::white, 60));
    painter.drawRoundedRect(QRectF(52, 101, 106, 6), 3, 3);
    painter.setBrush(kAccent);
    painter.drawEllipse(QPointF(150, 114), 2.6, 2.6);
    drawCameraLens(painter);
    drawCameraSocket(painter);
}

namespace {

void drawCable(QPainter& painter, qreal startX, qreal endX) {
    QPainterPath cable;
    cable.moveTo(startX, 137);
    cable.cubicTo(startX + 40, 137, endX, 190, endX, 330);
    painter.strokePath(cable, QPen(kSteelDark, 11, Qt::SolidLine, Qt::FlatCap));
    painter.strokePath(cable, QPen(kSteel, 7, Qt::SolidLine, Qt::FlatCap));
}

void drawPlugBody(QPainter& painter, qreal tipX) {
    painter.setPen(Qt::NoPen);
    // Latch on top, bent back towards the cable.
    QPainterPath latch;
    latch.moveTo(tipX + 8, 124);
    latch.lineTo(tipX + 24, 115);
    latch.lineTo(tipX + 28, 118);
    latch.lineTo(tipX + 16, 124);
    latch.closeSubpath();
    painter.setBrush(kMistDim);
    painter.drawPath(latch);
    painter.setBrush(verticalGradient(124, 150, kMist, kMistDim));
    painter.drawRoundedRect(QRectF(tipX, 124, 34, 26), 3, 3);
    painter.setBrush(kAccentDeep);
    for (int i = 0; i < 4; ++i) {
        painter.drawRect(QRectF(tipX + 3 + 3.2 * i, 141, 1.6, 7));
    }
}

void drawPlugBoot(QPainter& painter, qreal startX) {
    QPainterPath boot;
    boot.moveTo(startX, 126);
    boot.lineTo(startX + 18, 130);
    boot.lineTo(startX + 18, 144);
    boot.lineTo(startX, 148);
    boot.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(verticalGradient(126, 148, kSteel, kSteelDark));
    painter.drawPath(boot);
}

} // namespace

void drawPlug(QPainter& painter, qreal tipX, qreal cableEndX) {
    drawCable(painter, tipX + 50, cableEndX);
    drawPlugBoot(painter, tipX + 33);
    drawPlugBody(painter, tipX);
}

namespace {

void drawAntenna(QPainter& painter, QPointF foot, QPointF tip) {
    painter.setPen(roundPen(kSteel, 9));
    painter.drawLine(foot, tip);
    painter.setPen(roundPen(kMistDim, 4));
    painter.drawLine(foot + (tip - foot) * 0.15, tip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSteelDark);
    painter.drawRoundedRect(QRectF(foot.x() - 8, foot.y() - 8, 16, 10), 3, 3);
}

void drawRouterBody(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(verticalGradient(170, 226, kMist, kMistDim));
    painter.drawRoundedRect(QRectF(30, 170, 190, 56), 14, 14);
    painter.setBrush(withAlpha(Qt::white, 70));
    painter.drawRoundedRect(QRectF(44, 174, 162, 5), 2.5, 2.5);
    painter.setBrush(withAlpha(kInk700, 60));
    painter.drawRoundedRect(QRectF(44, 190, 74, 16), 8, 8);
    const QColor leds[] = {kAccent, kAccent, kAccentLight, kSteel};
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(leds[i]);
        painter.drawEllipse(QPointF(56 + 17 * i, 198), 3, 3);
    }
}

void drawWpsButtonOnRouter(QPainter& painter) {
    // Rings pulsing out of the button, fading as they grow.
    constexpr std::array<std::pair<int, int>, 3> kRings{{{36, 40}, {28, 80}, {20, 140}}};
    painter.setBrush(Qt::NoBrush);
    for (const auto& [radius, alpha] : kRings) {
        painter.setPen(QPen(withAlpha(kAccentLight, alpha), 2));
        painter.drawEllipse(kRouterWpsButton, radius, radius);
    }
    painter.setPen(QPen(kAccentDeep, 1.5));
    painter.setBrush(verticalGradient(185, 211, kAccentLight, kAccent));
    painter.drawEllipse(kRouterWpsButton, 13, 13);
    drawWpsSymbol(painter, kRouterWpsButton, 7, Qt::white, 2);
}

} // namespace

void drawRouter(QPainter& painter) {
    drawShadow(painter, QPointF(125, 232), 98);
    drawAntenna(painter, QPointF(58, 172), QPointF(46, 70));
    drawAntenna(painter, QPointF(192, 172), QPointF(204, 70));
    drawRouterBody(painter);
    drawWpsButtonOnRouter(painter);
}

} // namespace vistrel::skin
