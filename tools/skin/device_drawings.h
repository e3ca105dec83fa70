#pragma once
// The devices of the wizard's pictures, drawn on their own coordinates (see each function).

#include <QPainter>

namespace vistrel::skin {

// A box camera in profile facing left, on its stand: body x 40..170, y 96..172; stand down to
// y 218; its network socket on the back at x 170..186, centred on y = 137.
void drawCameraProfile(QPainter& painter);

// A network plug pointing left with its tip at (tipX, 137), its cable running right and down
// off the bottom of the picture at x = cableEndX.
void drawPlug(QPainter& painter, qreal tipX, qreal cableEndX);

// A router seen from the front: body x 30..220, y 170..226, antennas up to y = 66. Its WPS
// button is at kRouterWpsButton.
void drawRouter(QPainter& painter);
inline constexpr QPointF kRouterWpsButton{160, 198};

} // namespace vistrel::skin
