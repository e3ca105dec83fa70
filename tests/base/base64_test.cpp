#include "base/base64.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vistrel {
namespace {

const std::uint8_t* bytesOf(const char* text) {
    return reinterpret_cast<const std::uint8_t*>(text);
}

TEST(Base64, Rfc4648Vectors) {
    const struct {
        const char* text;
        const char* encoded;
    } cases[] = {
        {"f", "Zg=="},        {"fo", "Zm8="},        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::array<char, 16> out{};
        const int length = static_cast<int>(std::string_view(c.text).size());
        EXPECT_EQ(Base64_Encode(bytesOf(c.text), length, out.data(), 16),
                  static_cast<int>(std::string_view(c.encoded).size()));
        EXPECT_STREQ(out.data(), c.encoded);
        EXPECT_EQ(base64Encode(std::string_view(c.text)), c.encoded);
    }
    EXPECT_EQ(base64Encode(std::string_view()), "");
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
        std::array<char, 8> out{};
        EXPECT_EQ(Base64_Encode(c.bytes.data(), static_cast<int>(c.bytes.size()), out.data(), 8),
                  4);
        EXPECT_STREQ(out.data(), c.encoded);
        EXPECT_EQ(base64Encode(c.bytes), c.encoded);
    }
}

// Refused calls leave the destination as it was.
TEST(Base64, ReturnCodes) {
    const std::uint8_t* foo = bytesOf("foo");
    std::array<char, 8> out;
    const struct {
        const char* name;
        const std::uint8_t* source;
        int length;
        char* destination;
        int capacity;
        int result;
    } cases[] = {
        {"empty source", foo, 0, out.data(), 8, -1},
        {"negative length", foo, -3, out.data(), 8, -1},
        {"null source", nullptr, 3, out.data(), 8, -1},
        {"null destination", foo, 3, nullptr, 8, -1},
        {"zero capacity", foo, 3, out.data(), 0, -1},
        {"negative capacity", foo, 3, out.data(), -1, -1},
        {"capacity one short", foo, 3, out.data(), 3, -2},
        {"capacity far short", foo, 3, out.data(), 1, -2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        out.fill('#');
        EXPECT_EQ(Base64_Encode(c.source, c.length, c.destination, c.capacity), c.result);
        EXPECT_EQ(std::string(out.data(), out.size()), "########");
    }
}

TEST(Base64, ExactFitIsNotTerminatedOneMoreIs) {
    std::array<char, 8> out;
    out.fill('#');
    EXPECT_EQ(Base64_Encode(bytesOf("foo"), 3, out.data(), 4), 4);
    EXPECT_EQ(std::string(out.data(), out.size()), "Zm9v####");

    out.fill('#');
    EXPECT_EQ(Base64_Encode(bytesOf("foo"), 3, out.data(), 5), 4);
    EXPECT_EQ(std::string(out.data(), out.size()), std::string("Zm9v\0###", 8));
}

TEST(Base64, EncodesInPlace) {
    for (const std::size_t length : {1u, 2u, 3u, 4u, 5u, 6u, 100u}) {
        SCOPED_TRACE(length);
        std::vector<std::uint8_t> input(length);
        for (std::size_t i = 0; i < length; ++i) {
            input[i] = static_cast<std::uint8_t>(0xf0 + i * 37);
        }
        const std::string expected = base64Encode(input);
        std::vector<char> buffer(expected.size() + 1, '#');
        std::copy(input.begin(), input.end(), buffer.begin());
        const auto* source = reinterpret_cast<const std::uint8_t*>(buffer.data());
        EXPECT_EQ(Base64_Encode(source, static_cast<int>(length), buffer.data(),
                                static_cast<int>(buffer.size())),
                  static_cast<int>(expected.size()));
        EXPECT_STREQ(buffer.data(), expected.c_str());
    }
}

} // namespace
} // namespace vistrel
