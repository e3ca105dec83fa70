#pragma once
// Where the program finds its data: Language.ini, the skin directory image_Quarel and the
// icons are looked up in the current working directory first, then in the data directory of
// the installation the program runs from (share/vistrel-finder beside its bin directory), then
// in the data directory of the source tree it was built from.

#include <QString>

namespace vistrel {

// The path of a data file or directory, or the working-directory path when it exists nowhere.
QString dataFilePath(const QString& name);

// The skin directory: image_Quarel in the working directory or the data directory.
QString skinDirectory();

} // namespace vistrel
