#include "protocol/password_digest.h"

#include "base/md5.h"
#include "protocol/hex_digit.h"

#include <algorithm>
#include <bit>
#include <cstdio>

namespace vistrel {

namespace {

// Rotation of each key byte, positive to the left, negative to the right.
constexpr std::array<int, 12> kKeyRotations{-2, -5, 4, -2, 1, 3, 2, -4, -3, 5, -1, -2};

// Any fixed 12 bytes serve: the scrambled text never leaves the program.
constexpr std::array<std::uint8_t, 12> kScramblingKey{0x5A, 0xC3, 0x17, 0x8E, 0x21, 0xF4,
                                                      0x6B, 0x09, 0xD2, 0x3C, 0xA7, 0x40};

} // namespace

MacKey deriveMacKey(const MacAddress& mac, int adjustment) {
    MacKey key{mac[0], mac[1], mac[2], mac[3], mac[4], mac[5],
               mac[1], mac[3], mac[5], mac[0], mac[2], mac[4]};
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (key[i] == 0) {
            key[i] = static_cast<std::uint8_t>(31 * i + 17); // no zero byte enters a rotation
        }
        key[i] = std::rotl(key[i], kKeyRotations[i]);
    }
    if (adjustment != 0) {
        key[2] = static_cast<std::uint8_t>(key[2] + adjustment);
        key[8] = static_cast<std::uint8_t>(key[8] * adjustment);
        key[10] = static_cast<std::uint8_t>(key[10] - adjustment);
    }
    return key;
}

std::optional<PasswordDigest> passwordDigest(const MacAddress& mac, std::string_view password,
                                             int adjustment) {
    if (password.size() > kMaxDigestPasswordSize) {
        return std::nullopt;
    }
    std::array<std::uint8_t, kHashBlockSize> block{};
    const MacKey key = deriveMacKey(mac, adjustment);
    std::copy(key.begin(), key.end(), block.begin());
    std::copy(password.begin(), password.end(), block.begin() + key.size());
    return md5Of(block); // the zero bytes after the password are hashed too
}

std::string digestText(const PasswordDigest& digest) {
    return md5HexUpper(digest);
}

std::string passwordDigestText(const MacAddress& mac, std::string_view password) {
    const auto digest = passwordDigest(mac, password);
    return digest ? digestText(*digest) : std::string();
}

std::string scramblePassword(std::string_view text) {
    std::string scrambled;
    scrambled.reserve(2 * text.size());
    for (std::size_t p = 0; p < text.size(); ++p) {
        char pair[3];
        const auto x =
            static_cast<std::uint8_t>(text[p]) ^ kScramblingKey[p % kScramblingKey.size()];
        std::snprintf(pair, sizeof pair, "%02x", static_cast<unsigned>(x));
        scrambled += pair;
    }
    return scrambled;
}

std::string unscramblePassword(std::string_view scrambled) {
    std::string text;
    for (std::size_t p = 0; p + 1 < scrambled.size(); p += 2) {
        const int high = hexDigitValue(scrambled[p]);
        const int low = hexDigitValue(scrambled[p + 1]);
        if (high < 0 || low < 0) {
            break; // not a text this program scrambled
        }
        text +=
            static_cast<char>((high * 16 + low) ^ kScramblingKey[(p / 2) % kScramblingKey.size()]);
    }
    return text;
}

} // namespace vistrel
