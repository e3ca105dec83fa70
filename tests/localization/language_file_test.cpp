#include "localization/language_file.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace vistrel {
namespace {

std::vector<std::uint8_t> bytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

std::vector<std::uint8_t> utf8WithMark(std::string_view text) {
    std::vector<std::uint8_t> bytes{0xEF, 0xBB, 0xBF};
    bytes.insert(bytes.end(), text.begin(), text.end());
    return bytes;
}

std::vector<std::uint8_t> utf16LeWithMark(std::u16string_view text) {
    std::vector<std::uint8_t> bytes{0xFF, 0xFE};
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

LanguageTexts parse(std::string_view text) {
    return LanguageTexts::parse(bytesOf(text));
}

struct EncodingCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
};

// The same file in each encoding the reader accepts. The section header sits on the first line,
// right after the byte-order mark, where a mark taken for text would hide it.
TEST(LanguageFile, ReadsEveryAcceptedEncoding) {
    const std::string_view utf8 = "[Deutsch]\r\nSearch=Suche läuft…\r\nEmoji=😀 ok\r\n";
    const std::u16string_view utf16 = u"[Deutsch]\r\nSearch=Suche läuft…\r\nEmoji=😀 ok\r\n";
    const EncodingCase cases[] = {
        {"UTF-8 without mark", bytesOf(utf8)},
        {"UTF-8 with mark", utf8WithMark(utf8)},
        {"UTF-16LE with mark", utf16LeWithMark(utf16)},
    };
    for (const EncodingCase& encoding : cases) {
        SCOPED_TRACE(encoding.name);
        const LanguageTexts texts = LanguageTexts::parse(encoding.bytes);
        EXPECT_EQ(texts.lookup("Deutsch", "Search"), "Suche läuft…");
        EXPECT_EQ(texts.lookup("Deutsch", "Emoji"), "😀 ok");
        EXPECT_EQ(texts.sectionNames(), std::vector<std::string>{"Deutsch"});
    }
}

TEST(LanguageFile, MalformedUtf8BecomesReplacementCharacters) {
    // A lone continuation byte, a truncated sequence, an overlong form and an encoded surrogate.
    const LanguageTexts texts = parse("[s]\nk=a\x80"
                                      "b\xE2\x82"
                                      "c\xC0\xAF"
                                      "d\xED\xA0\x80"
                                      "e\n");
    EXPECT_EQ(texts.lookup("s", "k"), "a\uFFFDb\uFFFDc\uFFFD\uFFFDd\uFFFD\uFFFD\uFFFDe");
}

TEST(LanguageFile, NamesMatchWithoutRegardToAsciiCase) {
    const LanguageTexts texts = parse("[English]\nImage_Config_Hint=Set up\n[ÄBC]\nKey=x\n");
    EXPECT_EQ(texts.lookup("ENGLISH", "image_config_hint"), "Set up");
    EXPECT_EQ(texts.lookup("english", "IMAGE_CONFIG_HINT"), "Set up");
    EXPECT_EQ(texts.lookup("Äbc", "KEY"), "x");
    EXPECT_EQ(texts.lookup("äbc", "Key"), ""); // only ASCII letters fold
}

TEST(LanguageFile, MissingSectionOrKeyYieldsEmptyText) {
    const LanguageTexts texts = parse("Orphan=before any section\n[English]\nOK=OK\nEmpty=\n");
    EXPECT_EQ(texts.lookup("German", "OK"), "");
    EXPECT_EQ(texts.lookup("English", "Cancel"), "");
    EXPECT_EQ(texts.lookup("English", "Empty"), "");
    EXPECT_EQ(texts.lookup("", "Orphan"), "");
    EXPECT_EQ(LanguageTexts().lookup("English", "OK"), "");
}

TEST(LanguageFile, FirstSectionAndFirstKeyOfANameWin) {
    const LanguageTexts texts = parse("[English]\n"
                                      "OK=first\n"
                                      "ok=second\n"
                                      "[german]\n"
                                      "OK=Gut\n"
                                      "[ENGLISH]\n"
                                      "OK=third\n"
                                      "Cancel=only in the repeated section\n");
    EXPECT_EQ(texts.lookup("English", "OK"), "first");
    EXPECT_EQ(texts.lookup("English", "Cancel"), "");
    EXPECT_EQ(texts.lookup("German", "OK"), "Gut");
    EXPECT_EQ(texts.keysOf("english"), std::vector<std::string>{"OK"});
    EXPECT_EQ(texts.sectionNames(), (std::vector<std::string>{"English", "german"}));
}

TEST(LanguageFile, ReadsLinesAsThePlatformReaderDoes) {
    const LanguageTexts texts = parse("; comment=not a key\r\n"
                                      "  [ English ]  trailing\r\n"
                                      "  Title  =  Two  inner  blanks \t\r\n"
                                      "Join=a=b=c\r\n"
                                      "Quoted=\"  kept blanks  \"\r\n"
                                      "Half=\"open\r\n"
                                      "Single='x'\r\n"
                                      "\t;Also=a comment\r\n"
                                      "no equals sign\r\n"
                                      "=no key\r\n"
                                      "Last=no line end");
    EXPECT_EQ(texts.lookup("English", "Title"), "Two  inner  blanks");
    EXPECT_EQ(texts.lookup("English", "Join"), "a=b=c");
    EXPECT_EQ(texts.lookup("English", "Quoted"), "  kept blanks  ");
    EXPECT_EQ(texts.lookup("English", "Half"), "\"open");
    EXPECT_EQ(texts.lookup("English", "Single"), "x");
    EXPECT_EQ(texts.lookup("English", "Last"), "no line end");
    EXPECT_EQ(texts.keysOf("English"),
              (std::vector<std::string>{"Title", "Join", "Quoted", "Half", "Single", "Last"}));
}

std::string repeated(std::string_view text, std::size_t count) {
    std::string result;
    for (std::size_t i = 0; i < count; ++i) {
        result += text;
    }
    return result;
}

// Values are cut to 511 UTF-16 code units; a surrogate pair straddling the cut is dropped whole.
TEST(LanguageFile, CutsValuesTo511CodeUnits) {
    const std::string pair = "😀"; // two UTF-16 code units
    struct Case {
        const char* name;
        std::string value;
        std::string expected;
    };
    const Case cases[] = {
        {"exactly 511", repeated("x", 511), repeated("x", 511)},
        {"longer", repeated("x", 600), repeated("x", 511)},
        {"pair ends at 511", repeated("x", 509) + pair + "y", repeated("x", 509) + pair},
        {"pair straddles 511", repeated("x", 510) + pair, repeated("x", 510)},
        {"three-byte characters", repeated("中", 600), repeated("中", 511)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(parse("[s]\nk=" + c.value + "\n").lookup("s", "k"), c.expected);
    }
}

class LanguageFileOnDisk : public testing::Test {
protected:
    void SetUp() override {
        directory_ = std::filesystem::temp_directory_path() /
                     ("vistrel_language_file_" + std::to_string(::getpid()));
        std::filesystem::create_directories(directory_);
        path_ = directory_ / "Language.ini";
    }
    void TearDown() override { std::filesystem::remove_all(directory_); }

    void write(std::string_view text) {
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << text;
    }

    std::filesystem::path directory_;
    std::filesystem::path path_;
};

TEST_F(LanguageFileOnDisk, MissingFileYieldsEmptyText) {
    LanguageFile file(path_);
    EXPECT_EQ(file.lookup("English", "OK"), "");
}

TEST_F(LanguageFileOnDisk, ReadsTheFileAgainWhenItChanges) {
    write("[English]\nOK=OK\n");
    LanguageFile file(path_);
    EXPECT_EQ(file.lookup("English", "OK"), "OK");

    write("[English]\nOK=Okay\n"); // another size
    EXPECT_EQ(file.lookup("English", "OK"), "Okay");

    const auto modified = std::filesystem::last_write_time(path_);
    write("[English]\nOK=Fine\n"); // the same size: only the time tells
    std::filesystem::last_write_time(path_, modified + std::chrono::seconds(2));
    EXPECT_EQ(file.lookup("English", "OK"), "Fine");

    std::filesystem::remove(path_);
    EXPECT_EQ(file.lookup("English", "OK"), "");
    write("[English]\nOK=Back\n");
    EXPECT_EQ(file.lookup("English", "OK"), "Back");
}

TEST_F(LanguageFileOnDisk, FollowsANewPath) {
    write("[English]\nOK=here\n");
    LanguageFile file(directory_ / "elsewhere.ini");
    EXPECT_EQ(file.lookup("English", "OK"), "");
    file.setPath(path_);
    EXPECT_EQ(file.lookup("English", "OK"), "here");
}

} // namespace
} // namespace vistrel
