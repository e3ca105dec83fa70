#pragma once
// Saves a window as it shows on screen, corners outside its rounded shape transparent.

#include <QString>
#include <QWidget>

namespace vistrel {

bool saveWindowScreenshot(QWidget& window, const QString& fileName);

} // namespace vistrel
