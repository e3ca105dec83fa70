// The language file shipped in data/: its directory of languages, the texts of every key the
// program reads, and the same keys in all 23 language sections.

#include "config/warning_keys.h"
#include "localization/language_file.h"
#include "localization/language_position.h"

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

const std::filesystem::path kSourceDir = VISTREL_SOURCE_DIR;

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

const LanguageTexts& shippedTexts() {
    static const LanguageTexts texts =
        LanguageTexts::parse(readBytes(kSourceDir / "data" / "Language.ini"));
    return texts;
}

// Keys read by name: the re-texted controls, the state texts of the wizard, the main window's
// hints and card labels, and every message.
const char* const kKeysTheProgramReads[] = {
    // Wizard labels
    "TntLabel_T1_Title",
    "TntLabel_T1_1",
    "TntLabel_T1_2",
    "TntLabel_T2_1",
    "TntLabel_T2_2",
    "TntLabel_T2_IP",
    "TntLabel_T2_Subnet",
    "TntLabel_T2_Gateway",
    "TntLabel_T2_DNS",
    "TntLabel_T3_Title",
    "TntLabel_T3_IP",
    "TntLabel_T3_Subnet",
    "TntLabel_T3_Gateway",
    "TntLabel_T3_DNS",
    "TntLabel_T3_1",
    "TntLabel_T3_2",
    "TntLabel_T3_3",
    "TntLabel_T3_4",
    "TntLabel_T4_Title",
    "TntLabel_T4_IP",
    "TntLabel_T4_Subnet",
    "TntLabel_T4_Gateway",
    "TntLabel_T4_DNS",
    "TntLabel_T4_1",
    "TntLabel_T4_2",
    "TntLabel_T4_3",
    "TntLabel_T5_Name",
    "TntLabel_T5_Pwd",
    "TntLabel_T5_Confirm",
    "TntLabel_T6_Title",
    "TntLabel_T6_SSID",
    "TntLabel_T6_Pwd",
    "TntLabel_T7_Header1",
    "TntLabel_T7_Header2",
    "TntLabel_T7_Header3",
    "TntLabel_T7_1",
    "TntLabel_T7_2",
    "TntLabel_T7_3",
    "TntLabel_T8_1",
    "TntLabel_T8_2",
    "TntLabel_T8_3",
    "TntLabel_T9_1",
    "TntLabel_T9_2",
    "TntLabel_T9_IP",
    "TntLabel_T9_Subnet",
    "TntLabel_T9_Gateway",
    "TntLabel_T9_DNS",
    "TntLabel_T9_3",
    "TntLabel_T9_4",
    "TntLabel_T10_IP",
    "TntLabel_T10_Subnet",
    "TntLabel_T10_Gateway",
    "TntLabel_T10_DNS",
    "TntLabel_T10_1",
    "TntLabel_T10_2",
    "TntLabel_T11_Header1",
    "TntLabel_T11_Header2",
    "TntLabel_T11_Header3",
    "TntLabel_T11_1",
    "TntLabel_T11_2",
    "TntLabel_T12_1",
    "TntLabel_T12_2",
    "TntLabel_T12_IP",
    "TntLabel_T12_Subnet",
    "TntLabel_T12_Gateway",
    "TntLabel_T12_DNS",
    "TntLabel_T12_Name",
    "TntLabel_T12_Pwd",
    "TntLabel_T12_Confirm",
    // Wizard buttons
    "TntButton_T2_Cancel",
    "TntButton_T2_OK",
    "TntButton_T2_Ad",
    "TntButton_T3_Next",
    "TntButton_T4_Yes",
    "TntButton_T4_No",
    "TntButton_T5_OK",
    "TntButton_T6_OK",
    "TntButton_T6_Refresh",
    "TntButton_T7_Next",
    "TntButton_T7_Cancel",
    "TntButton_T8_OK",
    "TntButton_T9_Next",
    "TntButton_T10_Retry",
    "TntButton_T10_Cancel",
    "TntButton_T11_Start",
    "TntButton_T11_Cancel",
    "TntButton_T12_Cancel",
    "TntButton_T12_OK",
    "TntButton_T12_Ad",
    "TntButton_T12_OK2",
    "TntButton_T12_Cancel2",
    // Wizard list columns, tabs and state texts
    "TntListView_T6.Columns[0]",
    "TntListView_T6.Columns[1]",
    "TntListView_T6.Columns[2]",
    "TntListView_T6.Columns[3]",
    "TntPageControl_T12.Pages[0]",
    "TntPageControl_T12.Pages[1]",
    "TntLabel_T7_1_OK",
    "TntLabel_T7_1_NOOK",
    "TntLabel_T11_1_OK",
    "TntLabel_T11_1_NOOK",
    "Wait",
    // Login dialog, message windows, waiting window
    "Label_Login_Name",
    "Label_Login_Password",
    "Button_Login_OK",
    "Button_Login_Cancel",
    "Button_Message_Box_OK",
    "Button_Message_Dialog_OK",
    "Button_Message_Dialog_Cancel",
    "Search",
    // Main window
    "Image_Search_Camera_Hint",
    "Image_Config_Hint",
    "Image_Browser_Hint",
    "MainListColumns1",
    "MainListColumns2",
    "MainListColumns3",
    "MainListColumns4",
    "Main_TntPopupMenu_MenuItem0",
    // Messages
    "IP_Range_Err_Message",
    "IP_Complete_Err_Message",
    "Netmask_Range_Err_Message",
    "Netmask_Complete_Err_Message",
    "Gateway_Range_Err_Message",
    "Gateway_Complete_Err_Message",
    "Dns_Range_Err_Message",
    "Dns_Complete_Err_Message",
    "WebPort_Range_Err_Message",
    "WebPort_Complete_Err_Message",
    "Key_Length_Err_Message",
    "CameraName_Cant_Be_Empty",
    "Password_Doesnot_Match",
    "Password_Must_Four_Characters",
    "Paswword_Err_Message",
    "Please_Select_A_Camera",
    "Open_Browser_Fail",
    "Cancel_Login1",
    "Cancel_Login2",
    "Input_Password_Err",
    "Connect_Camera_Failed1",
    "Connect_Camera_Failed2",
    "DHCP_Failed",
    "Please_Select_A_SSID",
    "Cancel_Network_Setup",
    "Cancel_WPS_Connect",
    "Want_To_Leave",
    "Setup_Is_Complete1",
    "Setup_Is_Complete2",
};

std::vector<std::string> languageSections() {
    std::vector<std::string> sections;
    for (int position = 1; position <= kLanguageCount; ++position) {
        sections.push_back(
            shippedTexts().lookup("Language_List", "Section" + std::to_string(position)));
    }
    return sections;
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

TEST(ShippedLanguageFile, EnglishHasATextForEveryKeyTheProgramReads) {
    for (const char* key : kKeysTheProgramReads) {
        EXPECT_NE(shippedTexts().lookup("English", key), "") << key;
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
    std::string where;
    std::string section; // empty: the current language's section, checked in English
    std::string key;
};

std::vector<LiteralLookup> literalLookupsIn(const std::filesystem::path& file) {
    const std::vector<std::uint8_t> bytes = readBytes(file);
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    std::vector<LiteralLookup> lookups;
    for (std::size_t at = text.find("LookupText("); at != std::string_view::npos;
         at = text.find("LookupText(", at + 1)) {
        const std::vector<std::string_view> arguments =
            callArguments(text, at + std::string_view("LookupText").size());
        const auto key = arguments.size() == 2 ? literalText(arguments[1]) : std::nullopt;
        if (key) {
            lookups.push_back({file.filename().string(),
                               literalText(arguments[0]).value_or(std::string()), *key});
        }
    }
    return lookups;
}

// Every lookup in the sources with a key written as a literal finds a text: a key added to the
// code but not to the language file would show an empty caption or message.
TEST(ShippedLanguageFile, HasEveryKeyTheSourcesLookUp) {
    std::set<std::string> keysFound;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kSourceDir / "src")) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".cpp" && extension != ".h") {
            continue;
        }
        for (const LiteralLookup& lookup : literalLookupsIn(entry.path())) {
            const std::string section = lookup.section.empty() ? "English" : lookup.section;
            EXPECT_NE(shippedTexts().lookup(section, lookup.key), "")
                << lookup.where << ": [" << section << "] " << lookup.key;
            keysFound.insert(lookup.key);
        }
    }
    // The scan itself works: the re-texting reads these keys by literal.
    EXPECT_TRUE(keysFound.contains("Search"));
    EXPECT_TRUE(keysFound.contains("Main_TntPopupMenu_MenuItem0"));
}

} // namespace
} // namespace vistrel
