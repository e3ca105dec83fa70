// The translations of the shipped language file against their English source: translated
// rather than copied, with the numbers, symbols, technical terms, final colon or ellipsis and
// outer blanks of the English text, and with one translation for what English says in one way.

#include "localization/language_text_encoding.h"
#include "shipped_language_file.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vistrel {
namespace {

using test::languageSections;
using test::shippedTexts;

// Words that stay as they are in the languages that use them: acronyms and a few words that
// several languages share with English.
const std::set<std::string, std::less<>> kSharedWords = {
    "OK",      "DHCP",   "DNS",   "IP",    "MAC",  "LAN", "SSID",    "WPS",
    "Gateway", "Signal", "Start", "Model", "Name", "No",  "Password"};

// Technical terms that users look for in every language.
const std::string_view kTechnicalTerms[] = {"DHCP", "DNS", "WPS", "SSID", "IP", "WEP", "WPA"};

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isAsciiAlphanumeric(char c) {
    return isAsciiLetter(c) || (c >= '0' && c <= '9');
}

std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (isAsciiAlphanumeric(c)) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(std::exchange(word, {}));
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

bool hasOnlySharedWords(std::string_view text) {
    const std::vector<std::string> words = wordsOf(text);
    return std::ranges::all_of(words,
                               [](const std::string& w) { return kSharedWords.contains(w); });
}

// The decimal value of a digit of any of the scripts our languages write numbers in.
int digitValue(char16_t c) {
    for (const char16_t zero : {u'0', u'\u0660', u'\u06F0', u'\u0E50', u'\uFF10'}) {
        if (c >= zero && c <= zero + 9) {
            return c - zero;
        }
    }
    return -1;
}

std::u16string utf16(std::string_view text) {
    return decodeLanguageFileText(
        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

// The numbers a text writes, in ASCII digits, in order.
std::multiset<std::string> numbersOf(std::string_view text) {
    std::multiset<std::string> numbers;
    std::string number;
    for (const char16_t c : utf16(text)) {
        if (const int digit = digitValue(c); digit >= 0) {
            number += static_cast<char>('0' + digit);
        } else if (!number.empty()) {
            numbers.insert(std::exchange(number, {}));
        }
    }
    if (!number.empty()) {
        numbers.insert(number);
    }
    return numbers;
}

bool containsTerm(std::string_view text, std::string_view term) {
    for (std::size_t at = text.find(term); at != std::string_view::npos;
         at = text.find(term, at + 1)) {
        const bool startsWord = at == 0 || !isAsciiLetter(text[at - 1]);
        const std::size_t end = at + term.size();
        if (startsWord && (end == text.size() || !isAsciiLetter(text[end]))) {
            return true;
        }
    }
    return false;
}

// A caption before a field ends with a colon and a text of something going on with "...", in
// the language's own form of them.
bool keepsEnding(std::string_view english, std::string_view text) {
    if (english.ends_with(':')) {
        return text.ends_with(':') || text.ends_with("\uFF1A"); // or the full-width colon
    }
    if (english.ends_with("...")) {
        return text.ends_with("...") || text.ends_with("\u2026");
    }
    return true;
}

std::vector<std::string> translatedSections() {
    std::vector<std::string> sections = languageSections();
    sections.erase(sections.begin()); // English
    return sections;
}

TEST(Translations, DifferFromEnglishExceptInSharedWords) {
    for (const std::string& section : translatedSections()) {
        for (const std::string& key : shippedTexts().keysOf("English")) {
            const std::string english = shippedTexts().lookup("English", key);
            if (shippedTexts().lookup(section, key) == english) {
                EXPECT_TRUE(hasOnlySharedWords(english))
                    << section << " " << key << " is still English: \"" << english << "\"";
            }
        }
    }
}

// An instruction split over several labels is one sentence: English continues it in a label
// that starts in lower case. The keys of each sentence, in file order.
std::vector<std::vector<std::string>> sentences() {
    std::vector<std::vector<std::string>> sentences;
    for (const std::string& key : shippedTexts().keysOf("English")) {
        const std::string english = shippedTexts().lookup("English", key);
        const bool continues = !english.empty() && english.front() >= 'a' &&
                               english.front() <= 'z' && !sentences.empty();
        if (continues) {
            sentences.back().push_back(key);
        } else {
            sentences.push_back({key});
        }
    }
    return sentences;
}

std::string sentenceText(std::string_view section, const std::vector<std::string>& keys) {
    std::string text;
    for (const std::string& key : keys) {
        text += shippedTexts().lookup(section, key) + " ";
    }
    return text;
}

// Word order differs between languages, so a number or term may move to another label of its
// sentence, but none may go missing.
TEST(Translations, KeepTheNumbersAndTermsOfEachSentence) {
    for (const std::string& section : translatedSections()) {
        for (const std::vector<std::string>& keys : sentences()) {
            SCOPED_TRACE(section + " " + keys.front());
            const std::string english = sentenceText("English", keys);
            const std::string text = sentenceText(section, keys);
            const std::multiset<std::string> numbers = numbersOf(text);
            const std::multiset<std::string> englishNumbers = numbersOf(english);
            for (const std::string& number : englishNumbers) {
                EXPECT_GE(numbers.count(number), englishNumbers.count(number))
                    << "number " << number << " in \"" << text << "\"";
            }
            for (const std::string_view term : kTechnicalTerms) {
                if (containsTerm(english, term)) {
                    EXPECT_TRUE(containsTerm(text, term)) << term << " in \"" << text << "\"";
                }
            }
        }
    }
}

TEST(Translations, KeepTheSymbolsEndingAndOuterBlanksOfEnglish) {
    for (const std::string& section : translatedSections()) {
        for (const std::string& key : shippedTexts().keysOf("English")) {
            SCOPED_TRACE(section + " " + key);
            const std::string english = shippedTexts().lookup("English", key);
            const std::string text = shippedTexts().lookup(section, key);
            for (const char symbol : {'%', '&', '\\'}) {
                EXPECT_EQ(std::ranges::count(text, symbol), std::ranges::count(english, symbol))
                    << "'" << symbol << "' in \"" << text << "\"";
            }
            EXPECT_TRUE(keepsEnding(english, text)) << "\"" << text << "\"";
            EXPECT_EQ(text.starts_with(' '), english.starts_with(' ')) << "\"" << text << "\"";
            EXPECT_EQ(text.ends_with(' '), english.ends_with(' ')) << "\"" << text << "\"";
        }
    }
}

// Keys whose English texts are the same name one thing (the caption "IP Address" on five
// pages, every "Cancel"); each language names it the same way everywhere.
TEST(Translations, SayOneThingOneWay) {
    std::map<std::string, std::vector<std::string>> keysByEnglish;
    for (const std::string& key : shippedTexts().keysOf("English")) {
        keysByEnglish[shippedTexts().lookup("English", key)].push_back(key);
    }
    for (const std::string& section : translatedSections()) {
        for (const auto& [english, keys] : keysByEnglish) {
            const std::string first = shippedTexts().lookup(section, keys.front());
            for (const std::string& key : keys) {
                EXPECT_EQ(shippedTexts().lookup(section, key), first)
                    << section << ": " << key << " and " << keys.front() << " both say \""
                    << english << "\" in English";
            }
        }
    }
}

} // namespace
} // namespace vistrel
