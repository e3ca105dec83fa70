#pragma once
// The password digest binds an administrator password to one camera: MD5 over a 76-byte block
// of a 12-byte key derived from the camera's MAC and the password. Cameras that keep their
// password to themselves report its digest text; requests carry it as proof of the password.
// The scrambling keeps a camera's plain-text password out of plain sight in memory.

#include "protocol/address_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

using MacKey = std::array<std::uint8_t, 12>;
using PasswordDigest = std::array<std::uint8_t, 16>;

inline constexpr std::size_t kHashBlockSize = 76;
inline constexpr std::size_t kMaxDigestPasswordSize = kHashBlockSize - 12; // 64 bytes

// The 12-byte key of a MAC; every use passes adjustment 0.
MacKey deriveMacKey(const MacAddress& mac, int adjustment = 0);

// MD5 of the hash block; nullopt when the password's 8-bit form is over 64 bytes, since it
// would not fit the block.
std::optional<PasswordDigest> passwordDigest(const MacAddress& mac, std::string_view password,
                                             int adjustment = 0);

// 32 upper-case hexadecimal characters, two per byte.
std::string digestText(const PasswordDigest& digest);

// The digest text of a password for a camera; empty when the password is refused.
std::string passwordDigestText(const MacAddress& mac, std::string_view password);

// Two lower-case hexadecimal digits per byte, each byte XORed with the repeating 12-byte key,
// so that texts of any length round-trip.
std::string scramblePassword(std::string_view text);
std::string unscramblePassword(std::string_view scrambled);

} // namespace vistrel
