#pragma once
// The language preselected at start-up: the operating system's language, as a Windows language
// identifier (LANGID), picks a position of the language selector.

#include <string_view>

namespace vistrel {

inline constexpr int kLanguageCount = 23;

// The selector position (0 … 22) for a Windows language identifier; 0 (English) for every
// identifier without an entry of its own.
int languagePositionOf(int windowsLanguageId);

// The Windows language identifier of a locale given by its ISO 639 language code, ISO 15924
// script code (may be empty) and ISO 3166 or UN M.49 territory code (may be empty), e.g.
// ("de", "", "CH") -> 2055. A territory without an identifier of its own gets the language's
// main identifier; a language without one gets 0.
int windowsLanguageIdOf(std::string_view language, std::string_view script,
                        std::string_view territory);

} // namespace vistrel
