#pragma once
// The texts in which cameras' MAC and IPv4 addresses are shown, compared and stored.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

using MacAddress = std::array<std::uint8_t, 6>;
using Ipv4Address = std::array<std::uint8_t, 4>; // octets in the order of the dotted text

inline constexpr MacAddress kBroadcastMac{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

// "00:1a:2b:3c:4d:5e": lower-case pairs in byte order.
std::string formatMacText(const MacAddress& mac);

// The six pairs of a MAC text at positions 0, 3, 6, 9, 12 and 15; nullopt when the text is
// too short or a pair is not hexadecimal.
std::optional<MacAddress> parseMacText(std::string_view text);

// "192.168.  2.  3": each octet right-aligned in three characters, as lists and records show it.
std::string formatIpText(const Ipv4Address& ip);

// "192.168.2.3": no padding, as the settings document writes addresses.
std::string formatDottedDecimal(const Ipv4Address& ip);

// Four decimal octets of one to three digits, 0 to 255, separated by single dots, nothing
// else: "192.168.2.3". nullopt for anything else, such as a sign, a blank or a fifth part.
std::optional<Ipv4Address> parseDottedDecimal(std::string_view text);

// The text with every blank removed: the form used wherever a connection is made.
std::string removeBlanks(std::string_view text);

} // namespace vistrel
