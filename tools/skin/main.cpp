// vistrel-skin-generator: draws the skin pictures and the application icons.
//
//   vistrel-skin-generator SKIN_DIR [--icons ICON_DIR] [--preview FILE] [--sheet FILE]
//
// Writes every picture of the skin into SKIN_DIR as 24-bit BMP files, each also at twice the
// size for screens at 200 % (name@2x.bmp), and, with --icons, the icon sizes into ICON_DIR as
// PNG files. The output depends on nothing but this program: no
// fonts, dates or random numbers. --preview and --sheet also write PNG views of the skin as
// the program shows it; they draw sample texts with the system's fonts.

#include "painting.h"
#include "preview.h"
#include "skin_pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

using vistrel::skin::NamedPicture;

struct Options {
    QString skinDirectory;
    QString iconDirectory;
    QString previewFile;
    QString sheetFile;
};

std::optional<Options> parseOptions(const QStringList& arguments) {
    Options options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--icons") && hasValue) {
            options.iconDirectory = arguments[++i];
        } else if (argument == QLatin1String("--preview") && hasValue) {
            options.previewFile = arguments[++i];
        } else if (argument == QLatin1String("--sheet") && hasValue) {
            options.sheetFile = arguments[++i];
        } else if (!argument.startsWith(QLatin1Char('-')) && options.skinDirectory.isEmpty()) {
            options.skinDirectory = argument;
        } else {
            return std::nullopt;
        }
    }
    if (options.skinDirectory.isEmpty()) {
        return std::nullopt;
    }
    return options;
}

bool fail(const QString& message) {
    std::fprintf(stderr, "vistrel-skin-generator: %s\n", qPrintable(message));
    return false;
}

template <typename Save>
bool writeAll(const std::vector<NamedPicture>& pictures, const QString& directory, Save save) {
    if (!QDir().mkpath(directory)) {
        return fail(QStringLiteral("cannot create %1").arg(directory));
    }
    for (const NamedPicture& picture : pictures) {
        const QString path = QDir(directory).filePath(picture.fileName);
        if (!save(picture.image, path)) {
            return fail(QStringLiteral("cannot write %1").arg(path));
        }
    }
    return true;
}

bool writePreviews(const Options& options, const std::vector<NamedPicture>& pictures) {
    using namespace vistrel::skin;
    if (!options.previewFile.isEmpty() &&
        !savePng(mainWindowPreview(pictures), options.previewFile)) {
        return fail(QStringLiteral("cannot write %1").arg(options.previewFile));
    }
    if (!options.sheetFile.isEmpty() && !savePng(contactSheet(pictures), options.sheetFile)) {
        return fail(QStringLiteral("cannot write %1").arg(options.sheetFile));
    }
    return true;
}

// Text in the previews needs the font system of a GUI application; the pictures do not.
std::unique_ptr<QGuiApplication> startFontsIfNeeded(const Options& options, int& argc,
                                                    char** argv) {
    if (options.previewFile.isEmpty() && options.sheetFile.isEmpty()) {
        return nullptr;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    return std::make_unique<QGuiApplication>(argc, argv);
}

QStringList argumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = parseOptions(argumentList(argc, argv));
    if (!options) {
        std::fprintf(stderr, "usage: vistrel-skin-generator SKIN_DIR [--icons ICON_DIR] "
                             "[--preview FILE] [--sheet FILE]\n");
        return 2;
    }
    const auto application = startFontsIfNeeded(*options, argc, argv);
    const std::vector<NamedPicture> pictures = vistrel::skin::skinPictures(1);
    bool written =
        writeAll(pictures, options->skinDirectory, vistrel::skin::saveBmp) &&
        writeAll(vistrel::skin::skinPictures(2), options->skinDirectory, vistrel::skin::saveBmp);
    if (written && !options->iconDirectory.isEmpty()) {
        written =
            writeAll(vistrel::skin::iconPictures(), options->iconDirectory, vistrel::skin::savePng);
    }
    return written && writePreviews(*options, pictures) ? 0 : 1;
}
