#pragma once
// Texts of the language file Language.ini, the entries of the language selector and the
// language preselected from the system's locale.

#include "config/warning.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <string_view>

namespace vistrel {

// The value of key in section of Language.ini (found by dataFilePath); empty when the file,
// the section or the key is missing. The file is parsed once and again only when it changes.
// GUI thread only.
QString LookupText(const QString& section, const QString& key);
QString LookupText(const QString& section, std::string_view key);

// What a warning says in the language of `section`: the text of its key, or its fixed text.
QString warningText(const Warning& warning, const QString& section);

// The 23 fixed entries of the language selector; position p selects the section named by key
// "Section<p+1>" of section "Language_List".
QStringList languageSelectorEntries();

// The Windows language identifier of a locale (language, script and territory); 0 when its
// language has none of our table.
int windowsLanguageIdOf(const QLocale& locale);

// The selector position that the system's locale preselects.
int systemLanguagePosition();

} // namespace vistrel
