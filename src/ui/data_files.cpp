#include "ui/data_files.h"

#include <QDir>
#include <QFileInfo>

namespace vistrel {

QString dataFilePath(const QString& name) {
    const QString inWorkingDirectory = QDir::current().filePath(name);
    if (QFileInfo::exists(inWorkingDirectory)) {
        return inWorkingDirectory;
    }
    const QString inDataDirectory = QDir(QStringLiteral(VISTREL_DATA_DIR)).filePath(name);
    return QFileInfo::exists(inDataDirectory) ? inDataDirectory : inWorkingDirectory;
}

QString skinDirectory() {
    return dataFilePath(QStringLiteral("image_Quarel"));
}

QPixmap loadSkinPicture(const QString& fileName) {
    const QString path = QDir(skinDirectory()).filePath(fileName);
    return QFileInfo::exists(path) ? QPixmap(path) : QPixmap();
}

} // namespace vistrel
