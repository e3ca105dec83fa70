#include "localization/language_file.h"

#include "localization/language_text_encoding.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace vistrel {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

bool isBlank(char16_t unit) {
    return unit == u' ' || unit == u'\t' || unit == u'\r' || unit == u'\v' || unit == u'\f';
}

std::u16string_view trim(std::u16string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A value enclosed in a matching pair of single or double quotes is read without them.
std::u16string_view unquote(std::u16string_view value) {
    const bool quoted = value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
                        value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

// Names compare without regard to ASCII letter case; other characters compare exactly.
std::string foldCase(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return folded;
}

std::vector<std::u16string_view> splitLines(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find(u'\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::u16string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::vector<std::uint8_t> readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

LanguageTexts LanguageTexts::parse(std::span<const std::uint8_t> bytes) {
    const std::u16string text = decodeLanguageFileText(bytes);
    LanguageTexts texts;
    // Lines before the first header and those of a repeated section belong to no section.
    std::size_t current = kNone;
    for (const std::u16string_view rawLine : splitLines(text)) {
        const std::u16string_view line = trim(rawLine);
        if (line.empty() || line.front() == u';') {
            continue;
        }
        if (line.front() == u'[') {
            current = texts.openSection(line, current);
        } else if (current != kNone) {
            addEntry(texts.sections_[current], line);
        }
    }
    return texts;
}

std::size_t LanguageTexts::openSection(std::u16string_view header, std::size_t current) {
    const std::size_t close = header.rfind(u']');
    if (close == std::u16string_view::npos) {
        return current; // not a header: ignored like any line without '='
    }
    std::string name = utf8FromUtf16(trim(header.substr(1, close - 1)));
    if (find(name)) {
        return kNone;
    }
    index_.emplace(foldCase(name), sections_.size());
    sections_.push_back({std::move(name), {}, {}});
    return sections_.size() - 1;
}

void LanguageTexts::addEntry(Section& section, std::u16string_view line) {
    const std::size_t equals = line.find(u'=');
    if (equals == std::u16string_view::npos) {
        return;
    }
    std::string key = utf8FromUtf16(trim(line.substr(0, equals)));
    std::string folded = foldCase(key);
    if (key.empty() || section.index.contains(folded)) {
        return;
    }
    const std::u16string_view value = unquote(trim(line.substr(equals + 1)));
    section.index.emplace(std::move(folded), section.entries.size());
    section.entries.push_back(
        {std::move(key), utf8FromUtf16(cutToCodeUnits(value, kMaxLanguageTextUnits))});
}

std::string LanguageTexts::lookup(std::string_view section, std::string_view key) const {
    const Section* found = find(section);
    if (!found) {
        return {};
    }
    const auto entry = found->index.find(foldCase(key));
    return entry == found->index.end() ? std::string() : found->entries[entry->second].value;
}

std::vector<std::string> LanguageTexts::sectionNames() const {
    std::vector<std::string> names;
    for (const Section& section : sections_) {
        names.push_back(section.name);
    }
    return names;
}

std::vector<std::string> LanguageTexts::keysOf(std::string_view section) const {
    std::vector<std::string> keys;
    if (const Section* found = find(section)) {
        for (const Entry& entry : found->entries) {
            keys.push_back(entry.key);
        }
    }
    return keys;
}

const LanguageTexts::Section* LanguageTexts::find(std::string_view section) const {
    const auto found = index_.find(foldCase(section));
    return found == index_.end() ? nullptr : &sections_[found->second];
}

LanguageFile::LanguageFile(std::filesystem::path path) : path_(std::move(path)) {}

void LanguageFile::setPath(const std::filesystem::path& path) {
    if (path != path_) {
        path_ = path;
        loaded_ = false;
    }
}

std::string LanguageFile::lookup(std::string_view section, std::string_view key) {
    return texts().lookup(section, key);
}

const LanguageTexts& LanguageFile::texts() {
    refresh();
    return texts_;
}

void LanguageFile::refresh() {
    std::error_code error;
    std::optional<Stamp> stamp;
    const std::uintmax_t size = std::filesystem::file_size(path_, error);
    if (!error) {
        const auto modified = std::filesystem::last_write_time(path_, error);
        if (!error) {
            stamp = Stamp{modified, size};
        }
    }
    if (loaded_ && stamp == stamp_) {
        return;
    }
    texts_ = stamp ? LanguageTexts::parse(readFile(path_)) : LanguageTexts();
    stamp_ = stamp;
    loaded_ = true;
}

} // namespace vistrel
