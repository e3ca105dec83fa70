#pragma once
// The window backgrounds: the main window, the wizard's pages, the message windows, the
// waiting window and the login dialog.

#include <QImage>

namespace vistrel::skin {

QImage mainBackground();    // bg.bmp, 537 × 508
QImage wizardBackground();  // 729-x-429.bmp
QImage messageBackground(); // message-bg.bmp, 312 × 206
QImage waitingBackground(); // waiting-bg.bmp, 292 × 166
QImage loginBackground();   // login-bg.bmp, 312 × 204

} // namespace vistrel::skin
