#pragma once
// Bounded access to fixed byte layouts of admin datagrams. Received datagrams are never read
// in place: a layout is copied into a zero-filled buffer of its full size, so a short datagram
// yields zero bytes for what it lacks and no read ever passes its end.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vistrel {

using Bytes = std::span<const std::uint8_t>;
using MutableBytes = std::span<std::uint8_t>;

// The first N bytes of the datagram, zero-filled past its end.
template <std::size_t N> std::array<std::uint8_t, N> copyLayout(Bytes datagram) {
    std::array<std::uint8_t, N> layout{};
    std::copy_n(datagram.begin(), std::min(N, datagram.size()), layout.begin());
    return layout;
}

// The zero-terminated text of a fixed-size field; a field without terminator gives all its bytes.
std::string readText(Bytes bytes, std::size_t offset, std::size_t fieldSize);

// Writes the text into a fixed-size field, zero-padded; a longer text is cut to the field.
void writeText(MutableBytes bytes, std::size_t offset, std::size_t fieldSize,
               std::string_view text);

std::uint16_t readBigEndian16(Bytes bytes, std::size_t offset);
void writeBigEndian16(MutableBytes bytes, std::size_t offset, std::uint16_t value);
void writeLittleEndian32(MutableBytes bytes, std::size_t offset, std::uint32_t value);
std::uint32_t readLittleEndian32(Bytes bytes, std::size_t offset);

} // namespace vistrel
