#include "logo_mark.h"

#include "painting.h"
#include "palette.h"

#include <QPainterPath>
#include <array>

namespace vistrel::skin {
namespace {

// The mark is designed on a 64 × 64 grid.
constexpr qreal kGrid = 64;

void drawTile(QPainter& painter) {
    painter.setPen(QPen(withAlpha(kMist, 40), 1));
    painter.setBrush(diagonalGradient(QRectF(0, 0, kGrid, kGrid), kInk500, kInk900));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 61, 61), 14, 14);
}

// Four L-shaped corner brackets, `inset` from the grid's edges, arms `arm` long.
void drawBrackets(QPainter& painter, qreal inset, qreal arm, qreal width) {
    const qreal far = kGrid - inset;
    // Corner point and the directions its two arms run in.
    const std::array<std::array<qreal, 4>, 4> corners{{
        {inset, inset, 1, 1},
        {far, inset, -1, 1},
        {inset, far, 1, -1},
        {far, far, -1, -1},
    }};
    QPainterPath path;
    for (const auto& [x, y, dx, dy] : corners) {
        path.moveTo(x, y + dy * arm);
        path.lineTo(x, y);
        path.lineTo(x + dx * arm, y);
    }
    painter.strokePath(path, roundPen(kMist, width));
}

void drawLens(QPainter& painter, qreal radius) {
    const QPointF centre(kGrid / 2, kGrid / 2);
    const QRectF outer(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(diagonalGradient(outer, kAccentLight, kAccentDeep));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(kGlass);
    painter.drawEllipse(centre, radius * 0.62, radius * 0.62);
    painter.setPen(QPen(withAlpha(kAccent, 150), radius * 0.09));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius * 0.34, radius * 0.34);
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(Qt::white, 225));
    painter.drawEllipse(centre - QPointF(radius * 0.27, radius * 0.27), radius * 0.15,
                        radius * 0.15);
}

} // namespace

void drawLogoMark(QPainter& painter, const QRectF& box, LogoBacking backing) {
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / kGrid, box.height() / kGrid);
    switch (backing) {
    case LogoBacking::Bare:
        drawBrackets(painter, 4, 13, 5);
        drawLens(painter, 16);
        break;
    case LogoBacking::Tile:
        drawTile(painter);
        drawBrackets(painter, 12, 10, 4.5);
        drawLens(painter, 13);
        break;
    case LogoBacking::SmallTile:
        drawTile(painter);
        drawBrackets(painter, 10, 10, 6.5);
        drawLens(painter, 16.5);
        break;
    }
    painter.restore();
}

QImage logoIcon(int size) {
    QImage image = blankAlphaImage(QSize(size, size));
    QPainter painter(&image);
    makeSmooth(painter);
    drawLogoMark(painter, QRectF(0, 0, size, size),
                 size < 32 ? LogoBacking::SmallTile : LogoBacking::Tile);
    return image;
}

} // namespace vistrel::skin
