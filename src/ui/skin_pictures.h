#pragma once
// The skin pictures of the windows, loaded from the skin directory (platform/data_paths.h) at
// the size the screen wants.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace vistrel {

// A picture of the skin directory; a null pixmap when the file is missing or unreadable. When a
// screen shows more than one device pixel per window pixel, the picture drawn at twice the size
// (name@2x.bmp for name.bmp) is taken where it exists, with a device pixel ratio of 2, so that
// it shows at the same size in the window, only sharper.
QPixmap loadSkinPicture(const QString& fileName);

// A skin picture as an icon, at both sizes where both exist, so that every screen gets its own.
QIcon loadSkinIcon(const QString& fileName);

// "name@2x.bmp" for "name.bmp": the file name of the picture drawn at twice the size.
QString doubledFileName(const QString& fileName);

} // namespace vistrel
