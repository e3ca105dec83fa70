#include "localization/language_position.h"

#include <algorithm>
#include <iterator>

namespace vistrel {
namespace {

struct ListedLanguage {
    int languageId;
    int position;
};

// Identifiers listed one by one, in selector order. 4100 (Chinese, Singapore) opens the
// traditional Chinese entry and 5124 (Chinese, Macao) is not listed, so it opens English.
constexpr ListedLanguage kListed[] = {
    {1028, 1},  {3076, 1},  {4100, 1},  {2052, 2},  {1031, 3},  {2055, 3},  {3079, 3},
    {4103, 3},  {5127, 3},  {1036, 4},  {2060, 4},  {3084, 4},  {4108, 4},  {5132, 4},
    {1043, 5},  {2067, 5},  {1040, 6},  {2064, 6},  {1046, 8},  {2070, 8},  {1045, 9},
    {1038, 10}, {1029, 11}, {1049, 13}, {1048, 14}, {1058, 15}, {1051, 16}, {1055, 17},
    {1066, 18}, {1057, 19}, {1054, 20}, {1030, 21}, {1053, 22}, {2077, 22},
};

// Spanish and Arabic are listed as series: every 1024th identifier from the first, which are
// the same language in its successive territories.
bool inSeries(int languageId, int first, int count) {
    const int offset = languageId - first;
    return offset >= 0 && offset % 1024 == 0 && offset / 1024 < count;
}

struct LocaleId {
    std::string_view language;
    std::string_view territory; // empty: the language's main identifier
    int languageId;
};

// Windows language identifiers of the languages of the selector (and English), by territory.
constexpr LocaleId kLocaleIds[] = {
    {"zh", "TW", 1028},   {"zh", "CN", 2052},  {"zh", "HK", 3076},  {"zh", "SG", 4100},
    {"zh", "MO", 5124},   {"de", "DE", 1031},  {"de", "CH", 2055},  {"de", "AT", 3079},
    {"de", "LU", 4103},   {"de", "LI", 5127},  {"de", "", 1031},    {"fr", "FR", 1036},
    {"fr", "BE", 2060},   {"fr", "CA", 3084},  {"fr", "CH", 4108},  {"fr", "LU", 5132},
    {"fr", "MC", 6156},   {"fr", "", 1036},    {"nl", "NL", 1043},  {"nl", "BE", 2067},
    {"nl", "", 1043},     {"it", "IT", 1040},  {"it", "CH", 2064},  {"it", "", 1040},
    {"es", "ES", 3082},   {"es", "MX", 2058},  {"es", "GT", 4106},  {"es", "CR", 5130},
    {"es", "PA", 6154},   {"es", "DO", 7178},  {"es", "VE", 8202},  {"es", "CO", 9226},
    {"es", "PE", 10250},  {"es", "AR", 11274}, {"es", "EC", 12298}, {"es", "CL", 13322},
    {"es", "UY", 14346},  {"es", "PY", 15370}, {"es", "BO", 16394}, {"es", "SV", 17418},
    {"es", "HN", 18442},  {"es", "NI", 19466}, {"es", "PR", 20490}, {"es", "US", 21514},
    {"es", "419", 22538}, {"es", "", 3082},    {"pt", "BR", 1046},  {"pt", "PT", 2070},
    {"pt", "", 1046},     {"pl", "", 1045},    {"hu", "", 1038},    {"cs", "", 1029},
    {"ar", "SA", 1025},   {"ar", "IQ", 2049},  {"ar", "EG", 3073},  {"ar", "LY", 4097},
    {"ar", "DZ", 5121},   {"ar", "MA", 6145},  {"ar", "TN", 7169},  {"ar", "OM", 8193},
    {"ar", "YE", 9217},   {"ar", "SY", 10241}, {"ar", "JO", 11265}, {"ar", "LB", 12289},
    {"ar", "KW", 13313},  {"ar", "AE", 14337}, {"ar", "BH", 15361}, {"ar", "QA", 16385},
    {"ar", "", 1025},     {"ru", "MD", 2073},  {"ru", "", 1049},    {"ro", "MD", 2072},
    {"ro", "", 1048},     {"uk", "", 1058},    {"sk", "", 1051},    {"tr", "", 1055},
    {"vi", "", 1066},     {"id", "", 1057},    {"th", "", 1054},    {"da", "", 1030},
    {"sv", "FI", 2077},   {"sv", "", 1053},    {"en", "US", 1033},  {"en", "GB", 2057},
    {"en", "AU", 3081},   {"en", "CA", 4105},  {"en", "NZ", 5129},  {"en", "IE", 6153},
    {"en", "ZA", 7177},   {"en", "", 1033},
};

int chineseLanguageId(std::string_view script) {
    return script == "Hant" ? 1028 : 2052;
}

} // namespace

int languagePositionOf(int windowsLanguageId) {
    if (inSeries(windowsLanguageId, 1034, 20)) {
        return 7;
    }
    if (inSeries(windowsLanguageId, 1025, 16)) {
        return 12;
    }
    const auto* found = std::ranges::find(kListed, windowsLanguageId, &ListedLanguage::languageId);
    return found == std::end(kListed) ? 0 : found->position;
}

int windowsLanguageIdOf(std::string_view language, std::string_view script,
                        std::string_view territory) {
    int languageDefault = language == "zh" ? chineseLanguageId(script) : 0;
    for (const LocaleId& entry : kLocaleIds) {
        if (entry.language != language) {
            continue;
        }
        if (entry.territory == territory) {
            return entry.languageId;
        }
        if (entry.territory.empty()) {
            languageDefault = entry.languageId;
        }
    }
    return languageDefault;
}

} // namespace vistrel
