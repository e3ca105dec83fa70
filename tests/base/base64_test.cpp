#include "base/base64.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vistrel {
namespace {

TEST(Base64, Rfc4648Vectors) {
    const struct {
        const char* text;
        const char* encoded;
    } cases[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(base64Encode(std::string_view(c.text)), c.encoded);
    }
}

TEST(Base64, HighBytesEncodeAsUnsignedOctets) {
    const struct {
        std::vector<std::uint8_t> bytes;
        const char* encoded;
    } cases[] = {
        {{0xff, 0xff, 0xff}, "////"}, {{0x80}, "gA=="}, {{0xff}, "/w=="}, {{0xfb, 0xff}, "+/8="},
        {{0x00, 0x80, 0xff}, "AID/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.encoded);
        EXPECT_EQ(base64Encode(c.bytes), c.encoded);
    }
}

} // namespace
} // namespace vistrel
