// The language file shipped in data/: its directory of languages, the texts of every key the
// program reads, and the same keys in all 23 language sections.

#include "config/warning_keys.h"
#include "localization/language_file.h"
#include "localization/language_keys.h"
#include "localization/language_position.h"
#include "shipped_language_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel {
namespace {

using test::kSourceDir;
using test::languageSections;
using test::readBytes;
using test::shippedTexts;

// Every key the program reads by name: the language keys and the configuration layer's
// warning keys.
std::vector<std::string_view> namedKeys() {
    using namespace language_keys;
    std::vector<std::string_view> keys{kSearching, kSearchHint, kConfigHint, kBrowserHint};
    keys.insert(keys.end(), kCardLabels.begin(), kCardLabels.end());
    keys.insert(keys.end(),
                {kTrayClose, kLinkDetected, kLinkNotDetected, kWpsConnected, kWpsFailed, kWait});
    keys.insert(keys.end(), kMessageBoxMessages.begin(), kMessageBoxMessages.end());
    keys.insert(keys.end(), {kWantToLeave, kSetupComplete1, kSetupComplete2});
    keys.insert(keys.end(), kDiagnosisKeys.begin(), kDiagnosisKeys.end());
    keys.insert(keys.end(), warning_keys::kAll.begin(), warning_keys::kAll.end());
    return keys;
}

std::set<std::string> foldedKeysOf(std::string_view section) {
    std::set<std::string> keys;
    for (std::string key : shippedTexts().keysOf(section)) {
        std::ranges::transform(key, key.begin(), [](unsigned char c) { return std::tolower(c); });
        keys.insert(key);
    }
    return keys;
}

TEST(ShippedLanguageFile, NamesOneSectionPerSelectorPosition) {
    const std::vector<std::string> sections = languageSections();
    EXPECT_EQ(sections.front(), "English");
    EXPECT_EQ(std::set<std::string>(sections.begin(), sections.end()).size(), sections.size());
    for (const std::string& section : sections) {
        SCOPED_TRACE(section);
        EXPECT_FALSE(section.empty());
        EXPECT_LE(section.size(), 127u);
        EXPECT_FALSE(shippedTexts().keysOf(section).empty());
    }
    for (int entry = 1; entry <= 21; ++entry) {
        EXPECT_NE(shippedTexts().lookup("Language_List", std::to_string(entry)), "") << entry;
    }
}

// The keys the program reads by name; the captions it reads by control name are checked in the
// windows themselves (caption_fit_tests).
TEST(ShippedLanguageFile, EveryLanguageHasATextForEveryKeyTheProgramReadsByName) {
    for (const std::string& section : languageSections()) {
        SCOPED_TRACE(section);
        for (const std::string_view key : namedKeys()) {
            EXPECT_NE(shippedTexts().lookup(section, key), "") << key;
        }
    }
}

TEST(ShippedLanguageFile, EveryLanguageHasTheSameKeysAsEnglish) {
    const std::set<std::string> english = foldedKeysOf("English");
    for (const std::string& section : languageSections()) {
        SCOPED_TRACE(section);
        EXPECT_EQ(foldedKeysOf(section), english);
        for (const std::string& key : shippedTexts().keysOf(section)) {
            EXPECT_NE(shippedTexts().lookup(section, key), "") << key;
        }
    }
}

// The configuration layer names its warnings by key; the windows show the key's text and the
// command line prints it, so a key missing in any language would show an empty message.
TEST(ShippedLanguageFile, EveryLanguageHasATextForEveryWarningKey) {
    for (const std::string& section : languageSections()) {
        SCOPED_TRACE(section);
        for (const std::string_view key : warning_keys::kAll) {
            EXPECT_NE(shippedTexts().lookup(section, key), "") << key;
        }
    }
}

// The arguments of a call, split at the commas outside parentheses and string literals.
std::vector<std::string_view> callArguments(std::string_view text, std::size_t open) {
    std::vector<std::string_view> arguments;
    int depth = 0;
    bool inString = false;
    std::size_t start = open + 1;
    for (std::size_t at = start; at < text.size(); ++at) {
        const char c = text[at];
        if (inString) {
            inString = !(c == '"' && text[at - 1] != '\\');
        } else if (c == '"') {
            inString = true;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && depth > 0) {
            --depth;
        } else if ((c == ',' && depth == 0) || c == ')') {
            arguments.push_back(text.substr(start, at - start));
            start = at + 1;
            if (c == ')') {
                return arguments;
            }
        }
    }
    return {};
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The text of an argument that is a single string literal, plain or wrapped in a Qt string macro;
// nothing for any other expression.
std::optional<std::string> literalText(std::string_view argument) {
    std::string_view rest = trimmed(argument);
    for (const std::string_view macro :
         {"QStringLiteral(", "QLatin1String(", "QLatin1StringView("}) {
        if (rest.starts_with(macro) && rest.ends_with(')')) {
            rest = trimmed(rest.substr(macro.size(), rest.size() - macro.size() - 1));
            break;
        }
    }
    if (rest.starts_with('u')) {
        rest.remove_prefix(1);
    }
    if (rest.size() < 2 || rest.front() != '"' || rest.back() != '"') {
        return std::nullopt;
    }
    rest = rest.substr(1, rest.size() - 2);
    if (rest.find_first_of("\"\\") != std::string_view::npos) {
        return std::nullopt; // joined literals or escapes: not a plain key
    }
    return std::string(rest);
}

struct LiteralLookup {
    std::string section; // empty: the current language's section, checked in every language
    std::string key;
};

// The lookups with a literal key in a source text: LookupText(section, key), and the keys of
// Warning::key(key) and wizardText(key), which the windows look up in the current language.
std::vector<LiteralLookup> literalLookupsIn(std::string_view text) {
    std::vector<LiteralLookup> lookups;
    const auto scan = [&](std::string_view call, std::size_t arity) {
        for (std::size_t at = text.find(call); at != std::string_view::npos;
             at = text.find(call, at + 1)) {
            const std::vector<std::string_view> arguments =
                callArguments(text, at + call.size() - 1);
            if (arguments.size() != arity) {
                continue;
            }
            if (const auto key = literalText(arguments.back())) {
                lookups.push_back(
                    {arity == 2 ? literalText(arguments[0]).value_or(std::string()) : "", *key});
            }
        }
    };
    scan("LookupText(", 2);
    scan("Warning::key(", 1);
    scan("wizardText(", 1);
    return lookups;
}

TEST(ShippedLanguageFile, SourceScanFindsLiteralKeysInEachFormOfLookup) {
    const std::vector<LiteralLookup> found = literalLookupsIn(
        R"(LookupText(QStringLiteral("Language_List"), QStringLiteral("Section1"));
           LookupText(section, u"Search"); LookupText(section, key);
           showWarning(Warning::key("Open_Browser_Fail")); Warning::key(warning_keys::kKeyLength);
           host_->wizardText(QStringLiteral("Want_To_Leave"));)");
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0].section, "Language_List");
    EXPECT_EQ(found[0].key, "Section1");
    EXPECT_EQ(found[1].section, "");
    EXPECT_EQ(found[1].key, "Search");
    EXPECT_EQ(found[2].key, "Open_Browser_Fail");
    EXPECT_EQ(found[3].key, "Want_To_Leave");
}

// Every lookup in the sources with a key written as a literal finds a text: a key added to the
// code but not to the language file would show an empty caption or message.
TEST(ShippedLanguageFile, HasEveryKeyTheSourcesLookUp) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kSourceDir / "src")) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".cpp" && extension != ".h") {
            continue;
        }
        const std::vector<std::uint8_t> bytes = readBytes(entry.path());
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        for (const LiteralLookup& lookup : literalLookupsIn(text)) {
            const std::vector<std::string> sections =
                lookup.section.empty() ? languageSections() : std::vector{lookup.section};
            for (const std::string& section : sections) {
                EXPECT_NE(shippedTexts().lookup(section, lookup.key), "")
                    << entry.path().filename() << ": [" << section << "] " << lookup.key;
            }
        }
    }
}

} // namespace
} // namespace vistrel
