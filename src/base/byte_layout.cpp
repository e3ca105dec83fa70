#include "base/byte_layout.h"

namespace vistrel {

namespace {

// The part of [offset, offset + size) that lies inside the buffer.
template <typename Span> Span clippedField(Span bytes, std::size_t offset, std::size_t size) {
    if (offset >= bytes.size()) {
        return {};
    }
    return bytes.subspan(offset, std::min(size, bytes.size() - offset));
}

// The W bytes at offset, zero where the buffer ends.
template <std::size_t W> std::array<std::uint8_t, W> bytesAt(Bytes bytes, std::size_t offset) {
    return copyLayout<W>(clippedField(bytes, offset, W));
}

// Writes the bytes of a number at offset, as far as the buffer reaches.
template <std::size_t W>
void putBytes(MutableBytes bytes, std::size_t offset, const std::array<std::uint8_t, W>& value) {
    const MutableBytes field = clippedField(bytes, offset, W);
    std::copy_n(value.begin(), field.size(), field.begin());
}

// How many bytes of the text fit into the field without cutting a UTF-8 character in two: a
// sequence that would cross the field's end is left out whole. Bytes that are not UTF-8 are
// cut where the field ends, as they stand.
std::size_t fittingLength(std::string_view text, std::size_t fieldSize) {
    if (text.size() <= fieldSize) {
        return text.size();
    }
    const auto byteAt = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const auto isContinuation = [&](std::size_t i) { return (byteAt(i) & 0xC0) == 0x80; };
    if (!isContinuation(fieldSize)) {
        return fieldSize;
    }
    // The lead byte lies at most three bytes back; its high bits give the sequence's length.
    for (std::size_t back = 1; back <= 3 && back <= fieldSize; ++back) {
        const std::size_t lead = fieldSize - back;
        if (isContinuation(lead)) {
            continue;
        }
        const std::uint8_t first = byteAt(lead);
        const std::size_t length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
        return length > back ? lead : fieldSize;
    }
    return fieldSize;
}

} // namespace

std::string readText(Bytes bytes, std::size_t offset, std::size_t fieldSize) {
    const Bytes field = clippedField(bytes, offset, fieldSize);
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return std::string(field.begin(), end);
}

void writeText(MutableBytes bytes, std::size_t offset, std::size_t fieldSize,
               std::string_view text) {
    const MutableBytes field = clippedField(bytes, offset, fieldSize);
    std::fill(field.begin(), field.end(), std::uint8_t{0});
    std::copy_n(text.begin(), fittingLength(text, field.size()), field.begin());
}

std::uint16_t readBigEndian16(Bytes bytes, std::size_t offset) {
    const auto b = bytesAt<2>(bytes, offset);
    return static_cast<std::uint16_t>(b[0] << 8 | b[1]);
}

void writeBigEndian16(MutableBytes bytes, std::size_t offset, std::uint16_t value) {
    putBytes<2>(bytes, offset,
                {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)});
}

std::uint32_t readLittleEndian32(Bytes bytes, std::size_t offset) {
    const auto b = bytesAt<4>(bytes, offset);
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        value |= static_cast<std::uint32_t>(b[i]) << (8 * i);
    }
    return value;
}

void writeLittleEndian32(MutableBytes bytes, std::size_t offset, std::uint32_t value) {
    std::array<std::uint8_t, 4> b{};
    for (std::size_t i = 0; i < b.size(); ++i) {
        b[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    putBytes(bytes, offset, b);
}

} // namespace vistrel
