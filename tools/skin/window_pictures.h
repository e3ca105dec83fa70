#pragma once
// The window backgrounds: the main window, the wizard's pages, the message windows, the
// waiting window and the login dialog; sizes in window pixels, drawn at a scale of 1 or 2.

#include <QImage>

namespace vistrel::skin {

QImage mainBackground(int scale);    // bg.bmp, 537 × 508
QImage wizardBackground(int scale);  // 729-x-429.bmp
QImage messageBackground(int scale); // message-bg.bmp, 312 × 206
QImage waitingBackground(int scale); // waiting-bg.bmp, 292 × 166
QImage loginBackground(int scale);   // login-bg.bmp, 312 × 204

} // namespace vistrel::skin
