#include "ui/skin_pictures.h"

#include "platform/data_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace vistrel {

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
        QPixmap doubled = loadIfExists(skin.filePath(doubledFileName(fileName)), 2);
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
