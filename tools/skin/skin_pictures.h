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

// The skin directory's pictures, written as 24-bit BMP files. Scale 1 gives the pictures the
// windows show 1:1; scale 2 the same art with twice the pixels each way for screens at 200 %,
// named with "@2x" before the extension (bg@2x.bmp).
std::vector<NamedPicture> skinPictures(int scale);

// The window and tray icon at each size, written as PNG files.
std::vector<NamedPicture> iconPictures();

// The picture of that name; a null image when there is none.
QImage findPicture(const std::vector<NamedPicture>& pictures, const QString& fileName);

} // namespace vistrel::skin
