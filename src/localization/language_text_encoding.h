#pragma once
// Text encodings of the language file: its bytes become UTF-16 code units, the unit in which
// the platform reader measures the length of a text, and texts leave the reader as UTF-8.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vistrel {

// Decodes a language file: UTF-16LE when it starts with the byte-order mark FF FE, otherwise
// UTF-8 with or without its byte-order mark. The mark is not part of the text. Each malformed
// UTF-8 sequence becomes U+FFFD; a trailing odd byte of UTF-16 is ignored.
std::u16string decodeLanguageFileText(std::span<const std::uint8_t> bytes);

// UTF-8 form of UTF-16 text; an unpaired surrogate becomes U+FFFD.
std::string utf8FromUtf16(std::u16string_view text);

// The first maxUnits code units of text, one fewer when the cut would split a surrogate pair.
std::u16string_view cutToCodeUnits(std::u16string_view text, std::size_t maxUnits);

} // namespace vistrel
