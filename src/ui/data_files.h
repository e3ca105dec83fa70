#pragma once
// Where the program finds its data: Language.ini and the skin directory image_Quarel are looked
// up in the current working directory first, then in the data directory the program was built
// or installed with.

#include <QPixmap>
#include <QString>

namespace vistrel {

// The path of a data file or directory, or the working-directory path when it exists nowhere.
QString dataFilePath(const QString& name);

// The skin directory: image_Quarel in the working directory or the data directory.
QString skinDirectory();

// A picture of the skin directory; a null pixmap when the file is missing or unreadable.
QPixmap loadSkinPicture(const QString& fileName);

} // namespace vistrel
