// Feeds arbitrary bytes to the language file reader as a whole file and aborts when a section
// or key it lists cannot be looked up again, or a value breaks the length limit or is no
// UTF-8 text.

#include "localization/language_file.h"
#include "localization/language_text_encoding.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// A value decodes to at most 511 units and encodes back to itself: it was valid UTF-8.
void checkValue(const std::string& value) {
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(value.data()), value.size());
    const std::u16string units = vistrel::decodeLanguageFileText(bytes);
    check(units.size() <= vistrel::kMaxLanguageTextUnits);
    // A value may itself start with U+FEFF, which the file decoder takes for a byte-order mark.
    if (value.rfind("\xEF\xBB\xBF", 0) != 0) {
        check(vistrel::utf8FromUtf16(units) == value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vistrel::LanguageTexts texts = vistrel::LanguageTexts::parse(std::span(data, size));
    for (const std::string& section : texts.sectionNames()) {
        for (const std::string& key : texts.keysOf(section)) {
            check(!key.empty());
            const std::string value = texts.lookup(section, key);
            checkValue(value);
        }
    }
    check(texts.lookup("", "").empty());
    return 0;
}
