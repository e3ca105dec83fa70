#pragma once
// The language file shipped in data/, parsed once, and the sections of its 23 languages.

#include "localization/language_file.h"
#include "localization/language_position.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vistrel::test {

inline const std::filesystem::path kSourceDir = VISTREL_SOURCE_DIR;

inline std::vector<std::uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline const LanguageTexts& shippedTexts() {
    static const LanguageTexts texts =
        LanguageTexts::parse(readBytes(kSourceDir / "data" / "Language.ini"));
    return texts;
}

// The section names of Section1 … Section23, in selector order; English first.
inline std::vector<std::string> languageSections() {
    std::vector<std::string> sections;
    for (int position = 1; position <= kLanguageCount; ++position) {
        sections.push_back(
            shippedTexts().lookup("Language_List", "Section" + std::to_string(position)));
    }
    return sections;
}

} // namespace vistrel::test
