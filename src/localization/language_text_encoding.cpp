#include "localization/language_text_encoding.h"

#include <algorithm>
#include <initializer_list>

namespace vistrel {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct Utf8Lead {
    int continuations; // -1: not a lead byte
    char32_t bits;
    std::uint8_t low;  // range of the first continuation byte, which excludes overlong forms,
    std::uint8_t high; // surrogates and code points above U+10FFFF
};

Utf8Lead classifyLead(std::uint8_t lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return {1, char32_t{lead} & 0x1Fu, 0x80, 0xBF};
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return {2, char32_t{lead} & 0x0Fu, std::uint8_t(lead == 0xE0 ? 0xA0 : 0x80),
                std::uint8_t(lead == 0xED ? 0x9F : 0xBF)};
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return {3, char32_t{lead} & 0x07u, std::uint8_t(lead == 0xF0 ? 0x90 : 0x80),
                std::uint8_t(lead == 0xF4 ? 0x8F : 0xBF)};
    }
    return {-1, 0, 0, 0};
}

struct CodePoint {
    char32_t value;
    std::size_t length; // bytes consumed
};

// Decodes the sequence at the start of bytes. A malformed sequence yields U+FFFD and consumes
// only the bytes before the first one that does not fit, so decoding resumes there.
CodePoint decodeUtf8Sequence(std::span<const std::uint8_t> bytes) {
    const std::uint8_t lead = bytes[0];
    if (lead < 0x80) {
        return {lead, 1};
    }
    Utf8Lead form = classifyLead(lead);
    if (form.continuations < 0) {
        return {kReplacement, 1};
    }
    char32_t value = form.bits;
    std::size_t length = 1;
    for (int i = 0; i < form.continuations; ++i, ++length) {
        if (length >= bytes.size() || bytes[length] < form.low || bytes[length] > form.high) {
            return {kReplacement, length};
        }
        value = (value << 6) | (bytes[length] & 0x3Fu);
        form.low = 0x80;
        form.high = 0xBF;
    }
    return {value, length};
}

void appendUtf16(std::u16string& text, char32_t value) {
    if (value < 0x10000) {
        text.push_back(static_cast<char16_t>(value));
        return;
    }
    value -= 0x10000;
    text.push_back(static_cast<char16_t>(0xD800 + (value >> 10)));
    text.push_back(static_cast<char16_t>(0xDC00 + (value & 0x3FF)));
}

void appendUtf8(std::string& text, char32_t value) {
    if (value < 0x80) {
        text.push_back(static_cast<char>(value));
    } else if (value < 0x800) {
        text.push_back(static_cast<char>(0xC0 | (value >> 6)));
        text.push_back(static_cast<char>(0x80 | (value & 0x3F)));
    } else if (value < 0x10000) {
        text.push_back(static_cast<char>(0xE0 | (value >> 12)));
        text.push_back(static_cast<char>(0x80 | ((value >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (value & 0x3F)));
    } else {
        text.push_back(static_cast<char>(0xF0 | (value >> 18)));
        text.push_back(static_cast<char>(0x80 | ((value >> 12) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | ((value >> 6) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | (value & 0x3F)));
    }
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::u16string decodeUtf16Le(std::span<const std::uint8_t> bytes) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        text.push_back(static_cast<char16_t>(bytes[at] | (bytes[at + 1] << 8)));
    }
    return text;
}

std::u16string decodeUtf8(std::span<const std::uint8_t> bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        const CodePoint next = decodeUtf8Sequence(bytes);
        appendUtf16(text, next.value);
        bytes = bytes.subspan(next.length);
    }
    return text;
}

bool startsWith(std::span<const std::uint8_t> bytes, std::initializer_list<std::uint8_t> mark) {
    return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
}

} // namespace

std::u16string decodeLanguageFileText(std::span<const std::uint8_t> bytes) {
    if (startsWith(bytes, {0xFF, 0xFE})) {
        return decodeUtf16Le(bytes.subspan(2));
    }
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF})) {
        bytes = bytes.subspan(3);
    }
    return decodeUtf8(bytes);
}

std::string utf8FromUtf16(std::u16string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char16_t unit = text[at];
        if (isHighSurrogate(unit) && at + 1 < text.size() && isLowSurrogate(text[at + 1])) {
            appendUtf8(utf8, 0x10000 + ((char32_t{unit} - 0xD800) << 10) +
                                 (char32_t{text[at + 1]} - 0xDC00));
            ++at;
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(utf8, kReplacement);
        } else {
            appendUtf8(utf8, unit);
        }
    }
    return utf8;
}

std::u16string_view cutToCodeUnits(std::u16string_view text, std::size_t maxUnits) {
    if (text.size() <= maxUnits) {
        return text;
    }
    const bool splitsPair =
        maxUnits > 0 && isHighSurrogate(text[maxUnits - 1]) && isLowSurrogate(text[maxUnits]);
    return text.substr(0, splitsPair ? maxUnits - 1 : maxUnits);
}

} // namespace vistrel
