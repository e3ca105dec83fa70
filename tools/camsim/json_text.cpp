#include "camsim/json_text.h"

#include <cstdio>

namespace vistrel::camsim {

namespace {

// Length of the valid UTF-8 sequence starting at text[i], or 0 when there is none.
std::size_t utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    unsigned minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000;
    }
    if (length == 0 || i + length > text.size()) {
        return 0;
    }
    unsigned codePoint = lead & (0x7Fu >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        codePoint = codePoint << 6 | (next & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    return codePoint >= minimum && codePoint <= 0x10FFFF && !surrogate ? length : 0;
}

void appendEscaped(std::string& out, unsigned char c) {
    switch (c) {
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        break;
    }
    if (c < 0x20 || c >= 0x7F) {
        char escape[7];
        std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
        out += escape;
    } else {
        out += static_cast<char>(c);
    }
}

} // namespace

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t length = utf8SequenceLength(text, i); length > 0) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            appendEscaped(out, static_cast<unsigned char>(text[i]));
            ++i;
        }
    }
    return out + '"';
}

JsonObject& JsonObject::add(std::string_view key, std::string_view text) {
    return addRaw(key, jsonString(text));
}

JsonObject& JsonObject::add(std::string_view key, long long number) {
    return addRaw(key, std::to_string(number));
}

JsonObject& JsonObject::add(std::string_view key, bool value) {
    return addRaw(key, value ? "true" : "false");
}

JsonObject& JsonObject::add(std::string_view key, const JsonObject& object) {
    return addRaw(key, object.text());
}

JsonObject& JsonObject::append(const JsonObject& other) {
    members_.insert(members_.end(), other.members_.begin(), other.members_.end());
    return *this;
}

JsonObject& JsonObject::addRaw(std::string_view key, std::string value) {
    members_.emplace_back(std::string(key), std::move(value));
    return *this;
}

std::string JsonObject::text() const {
    std::string out = "{";
    for (std::size_t i = 0; i < members_.size(); ++i) {
        out += (i == 0 ? "" : ", ") + jsonString(members_[i].first) + ": " + members_[i].second;
    }
    return out + '}';
}

} // namespace vistrel::camsim
