#include "protocol/byte_layout.h"

namespace vistrel {

namespace {

// The part of [offset, offset + size) that lies inside the buffer.
Bytes fieldOf(Bytes bytes, std::size_t offset, std::size_t size) {
    if (offset >= bytes.size()) {
        return {};
    }
    return bytes.subspan(offset, std::min(size, bytes.size() - offset));
}

} // namespace

std::string readText(Bytes bytes, std::size_t offset, std::size_t fieldSize) {
    const Bytes field = fieldOf(bytes, offset, fieldSize);
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return std::string(field.begin(), end);
}

void writeText(MutableBytes bytes, std::size_t offset, std::size_t fieldSize,
               std::string_view text) {
    const MutableBytes field = bytes.subspan(offset, fieldSize);
    std::fill(field.begin(), field.end(), std::uint8_t{0});
    std::copy_n(text.begin(), std::min(text.size(), fieldSize), field.begin());
}

std::uint16_t readBigEndian16(Bytes bytes, std::size_t offset) {
    return static_cast<std::uint16_t>((bytes[offset] << 8) | bytes[offset + 1]);
}

void writeBigEndian16(MutableBytes bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value >> 8);
    bytes[offset + 1] = static_cast<std::uint8_t>(value);
}

void writeLittleEndian32(MutableBytes bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t readLittleEndian32(Bytes bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    }
    return value;
}

} // namespace vistrel
