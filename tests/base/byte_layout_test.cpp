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

// A cut never leaves half a UTF-8 character behind; bytes that are not UTF-8 are cut where the
// field ends, as they stand.
TEST(WriteText, CutsBeforeACharacterThatDoesNotFit) {
    struct Case {
        const char* text;
        std::size_t field;
        const char* kept;
    };
    const Case cases[] = {
        {"ab\xc3\xa9", 3, "ab"},         // é (2 bytes) would need 4
        {"ab\xc3\xa9", 4, "ab\xc3\xa9"}, // fits exactly
        {"a\xe2\x82\xac", 3, "a"},       // € (3 bytes)
        {"a\xf0\x9f\x93\xb7z", 4, "a"},  // a 4-byte character cut after 3
        {"a\xf0\x9f\x93\xb7z", 5, "a\xf0\x9f\x93\xb7"},
        {"Caf\xe9s", 4, "Caf\xe9"},              // Latin-1, not UTF-8: cut as it stands
        {"ab\x80\x80\x80\x80", 4, "ab\x80\x80"}, // stray continuation bytes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Buffer bytes(c.field + 1, 0xEE);
        writeText(bytes, 0, c.field, c.text);
        EXPECT_EQ(readText(bytes, 0, c.field), std::string(c.kept));
        EXPECT_EQ(bytes.back(), 0xEE);
    }
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
