#pragma once
// Bounded access to fixed byte layouts of datagrams and records. Every reader and writer is
// bounded by construction: the runtime-offset ones clip the field to the buffer (bytes past its
// end read as zero, writes past its end are dropped), and the fixed-layout ones check their
// offsets when they compile. Received datagrams are not read in place: a layout is copied into a
// zero-filled array of its full size, so a short datagram yields zero bytes for what it lacks.

#include "base/bytes.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vistrel {

// The first N bytes of the datagram, zero-filled past its end.
template <std::size_t N> std::array<std::uint8_t, N> copyLayout(Bytes datagram) {
    std::array<std::uint8_t, N> layout{};
    std::copy_n(datagram.begin(), std::min(N, datagram.size()), layout.begin());
    return layout;
}

// Bytes [Offset, Offset + Size) of a fixed layout. A field that does not lie inside the layout
// does not compile.
template <std::size_t Offset, std::size_t Size, std::size_t N>
constexpr std::array<std::uint8_t, Size> fieldOf(const std::array<std::uint8_t, N>& layout) {
    static_assert(Offset + Size <= N, "the field ends past its layout");
    std::array<std::uint8_t, Size> field{};
    std::copy_n(layout.begin() + Offset, Size, field.begin());
    return field;
}

// The zero-terminated text of a fixed-size field; a field without terminator gives all its
// bytes, a field cut off by the end of the buffer the bytes it has.
std::string readText(Bytes bytes, std::size_t offset, std::size_t fieldSize);

// Writes the text into a fixed-size field, zero-padded; a longer text is cut to the field, and
// the field to the buffer. A cut never splits a UTF-8 character: one that does not fit whole is
// left out.
void writeText(MutableBytes bytes, std::size_t offset, std::size_t fieldSize,
               std::string_view text);

// Numbers at an offset; bytes past the end of the buffer read as zero and are not written.
std::uint16_t readBigEndian16(Bytes bytes, std::size_t offset);
void writeBigEndian16(MutableBytes bytes, std::size_t offset, std::uint16_t value);
std::uint32_t readLittleEndian32(Bytes bytes, std::size_t offset);
void writeLittleEndian32(MutableBytes bytes, std::size_t offset, std::uint32_t value);

} // namespace vistrel
