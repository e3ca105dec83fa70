#pragma once
// The wizard's pictures: unplugging and plugging back the camera's network cable, and pressing
// the router's WPS button.

#include <QImage>

namespace vistrel::skin {

QImage unplugPicture(); // wizard-unplug.bmp, 300 × 300
QImage replugPicture(); // wizard-replug.bmp, 300 × 300
QImage wpsPicture();    // wizard-wps.bmp, 250 × 300

} // namespace vistrel::skin
