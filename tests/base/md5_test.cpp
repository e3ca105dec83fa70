#include "base/md5.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vistrel {
namespace {

std::vector<std::uint8_t> patternBytes(std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3); // covers bytes above 127 too
    }
    return bytes;
}

TEST(Md5, Rfc1321TestSuite) {
    const struct {
        const char* text;
        const char* digest;
    } cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(md5HexLower(md5Of(std::string_view(c.text))), c.digest);
    }
}

// Lengths around the padding boundaries (55/56 decide whether the length fits the last block),
// each fed whole and split at every offset so buffered partial blocks are exercised.
TEST(Md5, PaddingBoundariesAndSplitUpdates) {
    const struct {
        std::size_t length;
        const char* digest;
    } cases[] = {
        {55, "52c0e574e1198de5fe3f8f11440dcb1b"},  {56, "46c9907fc908ee68b1e7b8e71286a518"},
        {57, "1c805dd236c35cab25fcb1bc73802c51"},  {63, "a62f6d59e837867693f042f5b8f5a236"},
        {64, "7160b8fb5e9e4023d549c3971fbaeead"},  {65, "70bd662e7aefbda85a0f7244167b7897"},
        {119, "e84905d4214f4d1ca56c2cdcc152b143"}, {120, "e3eb5a6c8669ea01a8c185b8abc8a5dc"},
        {128, "10b2da1a82f16d99a81a7203fe9f02cb"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        const std::vector<std::uint8_t> bytes = patternBytes(c.length);
        ASSERT_EQ(md5HexLower(md5Of(bytes)), c.digest);
        for (std::size_t split = 0; split <= bytes.size(); ++split) {
            MD5_CTX context;
            MD5_Init(context);
            MD5_Update(context, std::span(bytes).first(split));
            MD5_Update(context, std::span(bytes).subspan(split));
            ASSERT_EQ(md5HexLower(MD5_Final(context)), c.digest) << "split at " << split;
        }
    }
}

TEST(Md5, MillionAsInUnevenChunks) {
    const std::string chunk(997, 'a');
    MD5_CTX context;
    MD5_Init(context);
    std::size_t fed = 0;
    for (std::size_t step = 1; fed < 1000000; step = (step * 31 + 7) % chunk.size() + 1) {
        const std::size_t take = std::min(step, 1000000 - fed);
        MD5_Update(context, std::string_view(chunk).substr(0, take));
        fed += take;
    }
    EXPECT_EQ(md5HexLower(MD5_Final(context)), "7707d6ae4e027c70eea2a935c2296f21");
}

TEST(Md5, HighBytesAreUnsignedOctetsInTextAndSpan) {
    const std::vector<std::uint8_t> bytes = {0x80, 0xff};
    EXPECT_EQ(md5HexLower(md5Of(bytes)), "e224580aa65579130b9ea72fe66bbb34");
    EXPECT_EQ(md5Of(std::string_view("\x80\xff")), md5Of(bytes));
}

TEST(Md5, HexFormsUseTwoDigitsPerByte) {
    const Md5Digest digest = {0xff, 0x80, 0x00, 0x0a, 0x7f, 0x01, 0xab, 0xcd,
                              0xef, 0x10, 0x99, 0xfe, 0x00, 0x00, 0x00, 0x09};
    EXPECT_EQ(md5HexUpper(digest), "FF80000A7F01ABCDEF1099FE00000009");
    EXPECT_EQ(md5HexLower(digest), "ff80000a7f01abcdef1099fe00000009");
}

} // namespace
} // namespace vistrel
