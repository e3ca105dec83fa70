// The byte-layout readers and writers stay inside their buffer whatever offset and size they
// are given: a field cut off by the end reads as zeros and writes as far as the buffer goes.

#include "base/byte_layout.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vistrel {
namespace {

using Buffer = std::vector<std::uint8_t>;

TEST(CopyLayout, ShortDatagramIsZeroFilledAndLongOneCut) {
    EXPECT_EQ((copyLayout<4>(Buffer{1, 2})), (std::array<std::uint8_t, 4>{1, 2, 0, 0}));
    EXPECT_EQ((copyLayout<2>(Buffer{1, 2, 3, 4})), (std::array<std::uint8_t, 2>{1, 2}));
    EXPECT_EQ((copyLayout<3>(Bytes{})), (std::array<std::uint8_t, 3>{}));
}

TEST(FieldOf, CopiesTheFieldOfAFixedLayout) {
    const std::array<std::uint8_t, 6> layout{1, 2, 3, 4, 5, 6};
    EXPECT_EQ((fieldOf<2, 3>(layout)), (std::array<std::uint8_t, 3>{3, 4, 5}));
    EXPECT_EQ((fieldOf<0, 6>(layout)), layout);
}

TEST(ReadText, StopsAtTheTerminatorTheFieldOrTheBuffer) {
    const Buffer bytes{'x', 'a', 'b', 0, 'c', 'd', 'e'};
    const struct {
        std::size_t offset, size;
        std::string expected;
    } cases[] = {
        {1, 6, "ab"},   // terminated inside the field
        {4, 2, "cd"},   // unterminated: the whole field
        {4, 10, "cde"}, // the field runs past the buffer: what the buffer holds
        {7, 4, ""},     // the field starts at the end
        {100, 4, ""},   // far past the end
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readText(bytes, c.offset, c.size), c.expected) << "at " << c.offset;
    }
}

TEST(WriteText, PadsCutsAndStaysInsideTheBuffer) {
    Buffer bytes(8, 0xEE);
    writeText(bytes, 1, 4, "ab");
    EXPECT_EQ(bytes, (Buffer{0xEE, 'a', 'b', 0, 0, 0xEE, 0xEE, 0xEE}));
    writeText(bytes, 1, 2, "wxyz");
    EXPECT_EQ(bytes, (Buffer{0xEE, 'w', 'x', 0, 0, 0xEE, 0xEE, 0xEE}));
    writeText(bytes, 6, 10, "pqrs"); // field past the end: cut to the buffer
    EXPECT_EQ(bytes, (Buffer{0xEE, 'w', 'x', 0, 0, 0xEE, 'p', 'q'}));
    writeText(bytes, 8, 4, "no room");
    writeText(bytes, 50, 4, "no room");
    EXPECT_EQ(bytes.size(), 8u);
    EXPECT_EQ(bytes.back(), 'q');
}

TEST(Numbers, ByteOrderOfEachWidth) {
    Buffer bytes(8, 0);
    writeBigEndian16(bytes, 1, 0x1234);
    writeLittleEndian32(bytes, 3, 0xA1B2C3D4);
    EXPECT_EQ(bytes, (Buffer{0, 0x12, 0x34, 0xD4, 0xC3, 0xB2, 0xA1, 0}));
    EXPECT_EQ(readBigEndian16(bytes, 1), 0x1234);
    EXPECT_EQ(readLittleEndian32(bytes, 3), 0xA1B2C3D4u);
}

TEST(Numbers, BytesPastTheEndReadAsZeroAndAreNotWritten) {
    const Buffer bytes{0x12, 0x34, 0x56};
    EXPECT_EQ(readBigEndian16(bytes, 2), 0x5600);
    EXPECT_EQ(readBigEndian16(bytes, 3), 0);
    EXPECT_EQ(readLittleEndian32(bytes, 1), 0x5634u);
    EXPECT_EQ(readLittleEndian32(bytes, 9), 0u);

    Buffer target(3, 0);
    writeBigEndian16(target, 2, 0xABCD);
    EXPECT_EQ(target, (Buffer{0, 0, 0xAB}));
    writeLittleEndian32(target, 1, 0x11223344);
    EXPECT_EQ(target, (Buffer{0, 0x44, 0x33}));
    writeLittleEndian32(target, 3, 0xFFFFFFFF);
    writeBigEndian16(target, 40, 0xFFFF);
    EXPECT_EQ(target, (Buffer{0, 0x44, 0x33}));
}

} // namespace
} // namespace vistrel
