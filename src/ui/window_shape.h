#pragma once
// The main window's shape and how it is dragged: a rounded region five pixels smaller than the
// window, and drag bands above and below the camera list.

#include <QRegion>
#include <QSize>

namespace vistrel {

// The rounded rectangle (0, 0, width − 5, height − 5) with 15 × 15 corner ellipses.
QRegion roundedWindowRegion(QSize windowSize);

// Whether a press at y on the background picture starts a drag: only above and below the list.
constexpr bool Image_BgDragBand(int y) {
    return y < 50 || y >= 412;
}

} // namespace vistrel
