#include "ui/window_shape.h"

#include <QPainterPath>

namespace vistrel {

QRegion roundedWindowRegion(QSize windowSize) {
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, windowSize.width() - 5, windowSize.height() - 5), 7.5, 7.5);
    return QRegion(outline.toFillPolygon().toPolygon());
}

} // namespace vistrel
