#include "platform/data_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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
    QString inWorkingDirectory = QDir::current().filePath(name);
    if (QFileInfo::exists(inWorkingDirectory)) {
        return inWorkingDirectory;
    }
    // An installed finder finds its own data; a finder in its build tree, and the tests, find
    // the data of the source tree they were built from.
    for (const QString& directory : {installedDataDirectory(), QStringLiteral(VISTREL_DATA_DIR)}) {
        QString path = QDir(directory).filePath(name);
        if (!directory.isEmpty() && QFileInfo::exists(path)) {
            return path;
        }
    }
    return inWorkingDirectory;
}

QString skinDirectory() {
    return dataFilePath(QStringLiteral("image_Quarel"));
}

} // namespace vistrel
