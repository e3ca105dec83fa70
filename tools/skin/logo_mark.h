#pragma once
// The logo mark: a teal lens inside the four corner brackets of a viewfinder. The window's
// title band shows it bare; the application and tray icons show it on a dark rounded tile.
// data/icons/vistrel-finder.svg draws the same geometry.

#include <QImage>
#include <QPainter>

namespace vistrel::skin {

// Bare for the title band; Tile for icons; SmallTile for icons under 32 pixels, with a larger
// lens and heavier brackets so that the mark still reads.
enum class LogoBacking { Bare, Tile, SmallTile };

// Draws the mark scaled into the square box.
void drawLogoMark(QPainter& painter, const QRectF& box, LogoBacking backing);

// The icon at size × size pixels, transparent around the tile.
QImage logoIcon(int size);

} // namespace vistrel::skin
