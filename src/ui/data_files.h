#pragma once
// Where the program finds its data: Language.ini, the skin directory image_Quarel and the
// icons are looked up in the current working directory first, then in the data directory of
// the installation the program runs from (share/vistrel-finder beside its bin directory), then
// in the data directory of the source tree it was built from.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace vistrel {

// The path of a data file or directory, or the working-directory path when it exists nowhere.
QString dataFilePath(const QString& name);

// The skin directory: image_Quarel in the working directory or the data directory.
QString skinDirectory();

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
