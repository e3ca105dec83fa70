#pragma once
// The language file: an INI file read with the rules of the platform's private-profile reader.
// Section and key names match without regard to ASCII letter case; "key=value" lines give a
// value running to the end of the line; blanks around keys and values are dropped; a value in
// matching single or double quotes loses them; lines starting with ';' are comments; the first
// section of a name and the first key of a name in it are the ones found. A value is cut to 511
// UTF-16 code units, the room the platform reader's 512-unit buffer leaves. Texts are UTF-8.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vistrel {

inline constexpr std::size_t kMaxLanguageTextUnits = 511;

// The parsed contents of one language file.
class LanguageTexts {
public:
    LanguageTexts() = default;

    // Parses the file's bytes (UTF-8 with or without byte-order mark, or UTF-16LE with it).
    static LanguageTexts parse(std::span<const std::uint8_t> bytes);

    // The value of key in section; empty when either is missing.
    std::string lookup(std::string_view section, std::string_view key) const;

    // Section names in file order, as written in the file.
    std::vector<std::string> sectionNames() const;

    // Key names of a section in file order, as written; empty when the section is missing.
    std::vector<std::string> keysOf(std::string_view section) const;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        std::unordered_map<std::string, std::size_t> index; // folded key -> entry
    };

    const Section* find(std::string_view section) const;
    // Starts the section a header line names; returns its index, or none for a repeated one.
    std::size_t openSection(std::u16string_view header, std::size_t current);
    static void addEntry(Section& section, std::u16string_view line);

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> index_; // folded section name -> section
};

// A language file on disk, parsed once and parsed again whenever its modification time or size
// changes (or it appears or disappears), so lookups made at every paint cost a status query.
class LanguageFile {
public:
    explicit LanguageFile(std::filesystem::path path = {});

    // Points the reader at another file; the next lookup reads it.
    void setPath(const std::filesystem::path& path);

    // The value of key in section of the file; empty when the file, section or key is missing.
    std::string lookup(std::string_view section, std::string_view key);

    // The current contents of the file.
    const LanguageTexts& texts();

private:
    struct Stamp {
        std::filesystem::file_time_type modified;
        std::uintmax_t size = 0;
        bool operator==(const Stamp&) const = default;
    };

    void refresh();

    std::filesystem::path path_;
    bool loaded_ = false;
    std::optional<Stamp> stamp_; // empty while the file is missing
    LanguageTexts texts_;
};

} // namespace vistrel
