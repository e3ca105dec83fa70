#include "base/md5.h"

#include <algorithm>
#include <bit>

namespace vistrel {

namespace {

constexpr std::array<std::uint32_t, 64> kSineTable = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};

// Left-rotation amounts, four per round.
constexpr std::array<std::array<int, 4>, 4> kShifts = {{
    {7, 12, 17, 22},
    {5, 9, 14, 20},
    {4, 11, 16, 23},
    {6, 10, 15, 21},
}};

constexpr std::size_t kBlockSize = 64;
constexpr std::size_t kLengthOffset = 56;

std::uint32_t loadLittleEndian(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void storeLittleEndian(std::uint32_t word, std::uint8_t* bytes) {
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(word >> (8 * i));
    }
}

// The auxiliary function F, G, H or I of the round step `i` belongs to.
std::uint32_t mix(int i, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    switch (i / 16) {
    case 0:
        return (b & c) | (~b & d);
    case 1:
        return (b & d) | (c & ~d);
    case 2:
        return b ^ c ^ d;
    default:
        return c ^ (b | ~d);
    }
}

// Index of the message word used by step `i`.
int wordIndex(int i) {
    constexpr std::array<int, 4> multiplier = {1, 5, 3, 7};
    constexpr std::array<int, 4> offset = {0, 1, 5, 0};
    return (multiplier[i / 16] * i + offset[i / 16]) % 16;
}

void transform(std::array<std::uint32_t, 4>& state, const std::uint8_t* block) {
    std::array<std::uint32_t, 16> words{};
    for (std::size_t i = 0; i < words.size(); ++i) {
        words[i] = loadLittleEndian(block + 4 * i);
    }
    auto [a, b, c, d] = state;
    for (int i = 0; i < 64; ++i) {
        const std::uint32_t sum = a + mix(i, b, c, d) + kSineTable[i] + words[wordIndex(i)];
        a = d;
        d = c;
        c = b;
        b += std::rotl(sum, kShifts[i / 16][i % 4]);
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

std::uint64_t bitCount(const MD5_CTX& context) {
    return static_cast<std::uint64_t>(context.count[1]) << 32 | context.count[0];
}

void setBitCount(MD5_CTX& context, std::uint64_t bits) {
    context.count[0] = static_cast<std::uint32_t>(bits);
    context.count[1] = static_cast<std::uint32_t>(bits >> 32);
}

std::string toHex(const Md5Digest& digest, const char* digits) {
    std::string text;
    text.reserve(2 * digest.size());
    for (const std::uint8_t byte : digest) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0f];
    }
    return text;
}

} // namespace

void MD5_Init(MD5_CTX& context) {
    context.state = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};
    context.count = {0, 0};
    context.buffer.fill(0);
}

void MD5_Update(MD5_CTX& context, std::span<const std::uint8_t> bytes) {
    std::size_t used = (context.count[0] >> 3) % kBlockSize;
    // The length is kept modulo 2^64 bits, as the padding records it.
    setBitCount(context, bitCount(context) + 8 * static_cast<std::uint64_t>(bytes.size()));
    while (!bytes.empty()) {
        const std::size_t take = std::min(kBlockSize - used, bytes.size());
        std::copy_n(bytes.begin(), take, context.buffer.begin() + used);
        bytes = bytes.subspan(take);
        used += take;
        if (used == kBlockSize) {
            transform(context.state, context.buffer.data());
            used = 0;
        }
    }
}

void MD5_Update(MD5_CTX& context, std::string_view text) {
    MD5_Update(context, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

Md5Digest MD5_Final(MD5_CTX& context) {
    std::array<std::uint8_t, 8> length{};
    storeLittleEndian(context.count[0], length.data());
    storeLittleEndian(context.count[1], length.data() + 4);
    const std::size_t used = (context.count[0] >> 3) % kBlockSize;
    const std::size_t padding =
        used < kLengthOffset ? kLengthOffset - used : kBlockSize + kLengthOffset - used;
    std::array<std::uint8_t, kBlockSize> pad{0x80};
    MD5_Update(context, std::span(pad).first(padding));
    MD5_Update(context, length);
    Md5Digest digest{};
    for (std::size_t i = 0; i < context.state.size(); ++i) {
        storeLittleEndian(context.state[i], digest.data() + 4 * i);
    }
    context = MD5_CTX{};
    return digest;
}

Md5Digest md5Of(std::span<const std::uint8_t> bytes) {
    MD5_CTX context;
    MD5_Init(context);
    MD5_Update(context, bytes);
    return MD5_Final(context);
}

Md5Digest md5Of(std::string_view text) {
    MD5_CTX context;
    MD5_Init(context);
    MD5_Update(context, text);
    return MD5_Final(context);
}

std::string md5HexLower(const Md5Digest& digest) {
    return toHex(digest, "0123456789abcdef");
}

std::string md5HexUpper(const Md5Digest& digest) {
    return toHex(digest, "0123456789ABCDEF");
}

} // namespace vistrel
