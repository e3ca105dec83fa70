#pragma once
// Every picture of the skin and every icon size, with the file names the program loads.

#include <QImage>
#include <QString>
#include <vector>

namespace vistrel::skin {

struct NamedPicture {
    QString fileName;
    QImage image;
};

// The skin directory's pictures, written as 24-bit BMP files.
std::vector<NamedPicture> skinPictures();

// The window and tray icon at each size, written as PNG files.
std::vector<NamedPicture> iconPictures();

// The picture of that name; a null image when there is none.
QImage findPicture(const std::vector<NamedPicture>& pictures, const QString& fileName);

} // namespace vistrel::skin
