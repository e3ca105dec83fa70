#include "localization/language_position.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace vistrel {
namespace {

struct PositionCase {
    int languageId;
    int position;
};

TEST(LanguagePosition, SystemLanguageIdentifierPicksTheSelectorPosition) {
    const PositionCase cases[] = {
        {1028, 1},   {3076, 1},  {4100, 1},  {5124, 0},  {2052, 2},  {1031, 3},  {2055, 3},
        {3079, 3},   {4103, 3},  {5127, 3},  {6151, 0},  {1036, 4},  {2060, 4},  {3084, 4},
        {4108, 4},   {5132, 4},  {6156, 0},  {1043, 5},  {2067, 5},  {1040, 6},  {2064, 6},
        {1034, 7},   {2058, 7},  {3082, 7},  {20490, 7}, {21514, 0}, {22538, 0}, {10, 0},
        {1046, 8},   {2070, 8},  {1045, 9},  {1038, 10}, {1029, 11}, {1025, 12}, {2049, 12},
        {16385, 12}, {17409, 0}, {1, 0},     {1049, 13}, {1048, 14}, {1058, 15}, {1051, 16},
        {1055, 17},  {1066, 18}, {1057, 19}, {1054, 20}, {1030, 21}, {1053, 22}, {2077, 22},
        {1033, 0},   {2057, 0},  {1035, 0},  {1546, 0},  {0, 0},     {-1024, 0}, {-1, 0},
    };
    for (const PositionCase& c : cases) {
        SCOPED_TRACE(c.languageId);
        EXPECT_EQ(languagePositionOf(c.languageId), c.position);
    }
}

struct LocaleCase {
    std::string_view language;
    std::string_view script;
    std::string_view territory;
    int languageId;
};

TEST(LanguagePosition, LocaleGivesItsWindowsLanguageIdentifier) {
    const LocaleCase cases[] = {
        {"zh", "Hant", "TW", 1028}, {"zh", "Hans", "CN", 2052}, {"zh", "Hant", "HK", 3076},
        {"zh", "Hans", "SG", 4100}, {"zh", "Hant", "MO", 5124}, {"zh", "Hant", "", 1028},
        {"zh", "", "", 2052},       {"de", "", "CH", 2055},     {"de", "", "BE", 1031},
        {"fr", "", "CA", 3084},     {"es", "", "ES", 3082},     {"es", "", "MX", 2058},
        {"es", "", "PR", 20490},    {"es", "", "419", 22538},   {"es", "", "GQ", 3082},
        {"pt", "", "PT", 2070},     {"pt", "", "AO", 1046},     {"ar", "", "QA", 16385},
        {"ar", "", "EG", 3073},     {"sv", "", "FI", 2077},     {"ru", "", "RU", 1049},
        {"en", "", "US", 1033},     {"ja", "", "JP", 0},        {"C", "", "", 0},
    };
    for (const LocaleCase& c : cases) {
        SCOPED_TRACE(std::string(c.language) + "_" + std::string(c.territory));
        EXPECT_EQ(windowsLanguageIdOf(c.language, c.script, c.territory), c.languageId);
    }
}

// Each language of the selector, in the locale a system of that language usually runs,
// preselects its own entry.
TEST(LanguagePosition, EverySelectorLanguageIsReachedFromItsLocale) {
    struct SelectorLocale {
        std::string_view language;
        std::string_view script;
        std::string_view territory;
        int position;
    };
    const SelectorLocale locales[kLanguageCount] = {
        {"en", "", "US", 0},  {"zh", "Hant", "TW", 1}, {"zh", "Hans", "CN", 2},
        {"de", "", "DE", 3},  {"fr", "", "FR", 4},     {"nl", "", "NL", 5},
        {"it", "", "IT", 6},  {"es", "", "ES", 7},     {"pt", "", "BR", 8},
        {"pl", "", "PL", 9},  {"hu", "", "HU", 10},    {"cs", "", "CZ", 11},
        {"ar", "", "SA", 12}, {"ru", "", "RU", 13},    {"ro", "", "RO", 14},
        {"uk", "", "UA", 15}, {"sk", "", "SK", 16},    {"tr", "", "TR", 17},
        {"vi", "", "VN", 18}, {"id", "", "ID", 19},    {"th", "", "TH", 20},
        {"da", "", "DK", 21}, {"sv", "", "SE", 22},
    };
    for (const SelectorLocale& locale : locales) {
        SCOPED_TRACE(std::string(locale.language) + "_" + std::string(locale.territory));
        EXPECT_EQ(languagePositionOf(
                      windowsLanguageIdOf(locale.language, locale.script, locale.territory)),
                  locale.position);
    }
}

} // namespace
} // namespace vistrel
