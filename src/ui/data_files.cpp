#include "ui/data_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace vistrel {

namespace {

// Where an installed finder keeps its data: the data directory of its installation, found
// from the executable's own place (bin/../share/vistrel-finder), so that the installation can
// be moved or unpacked anywhere. Empty before the application object exists.
QString installedDataDirectory() {
    if (QCoreApplication::instance() == nullptr) {
        return {};
    }
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral(VISTREL_INSTALLED_DATA_DIR));
}

} // namespace

QString dataFilePath(const QString& name) {
    const QString inWorkingDirectory = QDir::current().filePath(name);
    if (QFileInfo::exists(inWorkingDirectory)) {
        return inWorkingDirectory;
    }
    // An installed finder finds its own data; a finder in its build tree, and the tests, find
    // the data of the source tree they were built from.
    for (const QString& directory : {installedDataDirectory(), QStringLiteral(VISTREL_DATA_DIR)}) {
        const QString path = QDir(directory).filePath(name);
        if (!directory.isEmpty() && QFileInfo::exists(path)) {
            return path;
        }
    }
    return inWorkingDirectory;
}

QString skinDirectory() {
    return dataFilePath(QStringLiteral("image_Quarel"));
}

QString doubledFileName(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return QString(fileName).insert(dot < 0 ? fileName.size() : dot, QLatin1String("@2x"));
}

namespace {

QPixmap loadIfExists(const QString& path, qreal devicePixelRatio) {
    QPixmap picture;
    if (QFileInfo::exists(path) && picture.load(path)) {
        picture.setDevicePixelRatio(devicePixelRatio);
    }
    return picture;
}

bool screensShowFinerPixels() {
    return qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1;
}

} // namespace

QPixmap loadSkinPicture(const QString& fileName) {
    const QDir skin(skinDirectory());
    if (screensShowFinerPixels()) {
        const QPixmap doubled = loadIfExists(skin.filePath(doubledFileName(fileName)), 2);
        if (!doubled.isNull()) {
            return doubled;
        }
    }
    return loadIfExists(skin.filePath(fileName), 1);
}

QIcon loadSkinIcon(const QString& fileName) {
    const QDir skin(skinDirectory());
    QIcon icon;
    for (const QPixmap& picture : {loadIfExists(skin.filePath(fileName), 1),
                                   loadIfExists(skin.filePath(doubledFileName(fileName)), 2)}) {
        if (!picture.isNull()) {
            icon.addPixmap(picture);
        }
    }
    return icon;
}

} // namespace vistrel
