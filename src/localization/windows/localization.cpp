#include "localization/windows/localization.h"

#include "localization/language_file.h"
#include "localization/language_position.h"
#include "platform/data_paths.h"

#include <QFile>

namespace vistrel {
namespace {

std::filesystem::path nativePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

std::string codeOf(const QString& code) {
    return code.toStdString();
}

} // namespace

QString LookupText(const QString& section, const QString& key) {
    static LanguageFile file;
    file.setPath(nativePath(dataFilePath(QStringLiteral("Language.ini"))));
    return QString::fromStdString(file.lookup(section.toStdString(), key.toStdString()));
}

QString LookupText(const QString& section, std::string_view key) {
    return LookupText(section, QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
}

QString warningText(const Warning& warning, const QString& section) {
    if (warning.kind == Warning::Kind::FixedText) {
        return QString::fromStdString(warning.text);
    }
    return LookupText(section, QString::fromStdString(warning.text));
}

QStringList languageSelectorEntries() {
    return {
        QStringLiteral("English"),   QStringLiteral("繁體中文"),   QStringLiteral("简体中文"),
        QStringLiteral("Deutsch"),   QStringLiteral("Français"),   QStringLiteral("Nederlands"),
        QStringLiteral("Italiano"),  QStringLiteral("Español"),    QStringLiteral("Português"),
        QStringLiteral("Polski"),    QStringLiteral("Magyar"),     QStringLiteral("čeština"),
        QStringLiteral("العربية"),   QStringLiteral("Russian"),    QStringLiteral("Română"),
        QStringLiteral("Ukrainian"), QStringLiteral("Slovenčina"), QStringLiteral("Türkçe"),
        QStringLiteral("Việt Nam"),  QStringLiteral("Indonesia"),  QStringLiteral("Thai"),
        QStringLiteral("Danish"),    QStringLiteral("Swedish"),
    };
}

int windowsLanguageIdOf(const QLocale& locale) {
    return windowsLanguageIdOf(codeOf(QLocale::languageToCode(locale.language())),
                               codeOf(QLocale::scriptToCode(locale.script())),
                               codeOf(QLocale::territoryToCode(locale.territory())));
}

int systemLanguagePosition() {
    return languagePositionOf(windowsLanguageIdOf(QLocale::system()));
}

} // namespace vistrel
