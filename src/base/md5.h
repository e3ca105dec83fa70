#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vistrel {

// MD5 message digest (RFC 1321). Used for HTTP Digest authentication and password digests;
// it is not a security primitive beyond what those protocols require.
using Md5Digest = std::array<std::uint8_t, 16>;

struct MD5_CTX {
    std::array<std::uint32_t, 4> state;
    std::array<std::uint32_t, 2> count; // message length in bits, low word first
    std::array<std::uint8_t, 64> buffer;
};

void MD5_Init(MD5_CTX& context);
void MD5_Update(MD5_CTX& context, std::span<const std::uint8_t> bytes);
void MD5_Update(MD5_CTX& context, std::string_view text); // the text's bytes as unsigned octets
// Returns the digest and clears the context; call MD5_Init before reusing it.
Md5Digest MD5_Final(MD5_CTX& context);

Md5Digest md5Of(std::span<const std::uint8_t> bytes);
Md5Digest md5Of(std::string_view text);

std::string md5HexLower(const Md5Digest& digest); // 32 characters, two per byte
std::string md5HexUpper(const Md5Digest& digest);

} // namespace vistrel
