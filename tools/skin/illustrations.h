#pragma once
// The wizard's pictures: unplugging and plugging back the camera's network cable, and pressing
// the router's WPS button; sizes in window pixels, drawn at a scale of 1 or 2.

#include <QImage>

namespace vistrel::skin {

QImage unplugPicture(int scale); // wizard-unplug.bmp, 300 × 300
QImage replugPicture(int scale); // wizard-replug.bmp, 300 × 300
QImage wpsPicture(int scale);    // wizard-wps.bmp, 250 × 300

} // namespace vistrel::skin
