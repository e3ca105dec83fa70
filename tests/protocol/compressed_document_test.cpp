#include "protocol/compressed_document.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace vistrel {
namespace {

const std::string kDocument = "<adminBCB>\n<protocolVersion>1</protocolVersion>\n</adminBCB>\n";

TEST(CompressedDocument, CarriesTheWireMarkInPlaceOfTheZlibHeader) {
    const auto stream = compressDocument(kDocument);
    ASSERT_TRUE(stream);
    EXPECT_EQ((*stream)[0], 0xAC);
    EXPECT_EQ((*stream)[1], 0xED);

    // Restoring the level-9 header gives a stream that plain zlib inflates to the document.
    auto zlibStream = *stream;
    zlibStream[0] = 0x78;
    zlibStream[1] = 0xDA;
    std::string inflated(kDocument.size(), '\0');
    uLongf size = static_cast<uLongf>(inflated.size());
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(inflated.data()), &size, zlibStream.data(),
                         static_cast<uLong>(zlibStream.size())),
              Z_OK);
    EXPECT_EQ(inflated, kDocument);
}

TEST(CompressedDocument, InflatesWithinTheLimitOnly) {
    const auto stream = compressDocument(kDocument);
    ASSERT_TRUE(stream);
    EXPECT_EQ(inflateDocument(*stream, kDocument.size()), kDocument);
    EXPECT_EQ(inflateDocument(*stream, 1023), kDocument);
    EXPECT_FALSE(inflateDocument(*stream, kDocument.size() - 1));
}

TEST(CompressedDocument, RefusesStreamsThatAreNotComplete) {
    const auto stream = compressDocument(kDocument);
    ASSERT_TRUE(stream);
    const std::vector<std::uint8_t> truncated(stream->begin(), stream->end() - 5);
    auto corrupted = *stream;
    corrupted[corrupted.size() - 1] ^= 0xFF; // Adler-32 no longer matches
    EXPECT_FALSE(inflateDocument(truncated, 1023));
    EXPECT_FALSE(inflateDocument(corrupted, 1023));
    EXPECT_FALSE(inflateDocument(std::vector<std::uint8_t>{0xAC}, 1023));
    EXPECT_FALSE(inflateDocument(std::vector<std::uint8_t>{0xAC, 0xED, 0x00, 0x00}, 1023));
}

} // namespace
} // namespace vistrel
