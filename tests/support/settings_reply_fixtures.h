#pragma once
// Settings replies (code 0x02) as cameras send them, for tests: the XML form built with zlib
// directly and the fixed forms laid out byte by byte, independent of the finder's decoders.

#include "protocol/address_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>
#include <zlib.h>

namespace vistrel::test {

inline std::vector<std::uint8_t> settingsReplyHeader(const MacAddress& mac, std::size_t size) {
    std::vector<std::uint8_t> datagram(size, 0);
    std::copy(mac.begin(), mac.end(), datagram.begin());
    datagram[6] = 0x01; // a reply
    datagram[7] = 0x02; // to the settings query
    return datagram;
}

// The document compressed at offset 84, its zlib header replaced by the wire mark 0xAC 0xED.
inline std::vector<std::uint8_t> xmlSettingsReply(const MacAddress& mac,
                                                  std::string_view document) {
    uLongf size = compressBound(static_cast<uLong>(document.size()));
    std::vector<std::uint8_t> stream(size);
    compress2(stream.data(), &size, reinterpret_cast<const Bytef*>(document.data()),
              static_cast<uLong>(document.size()), Z_DEFAULT_COMPRESSION);
    stream.resize(size);
    stream[0] = 0xAC;
    stream[1] = 0xED;
    auto datagram = settingsReplyHeader(mac, 84);
    datagram.reserve(datagram.size() + stream.size()); // spares GCC 12 a false -Warray-bounds
    datagram.insert(datagram.end(), stream.begin(), stream.end());
    return datagram;
}

// A document in the camera's shape: the outer elements given, then a wireless group.
inline std::string settingsDocument(std::string_view outer, std::string_view wireless) {
    return "<adminBCB>" + std::string(outer) + "<wireless>" + std::string(wireless) +
           "</wireless></adminBCB>";
}

struct FixedReplyFields {
    bool longForm = true;
    std::string_view name = "Porch";
    Ipv4Address netmask{255, 255, 255, 0};
    Ipv4Address gateway{192, 168, 2, 1};
    Ipv4Address dns{192, 168, 2, 254};
    std::uint16_t webPort = 8080;
    std::string_view firmwareVersion = "v1.10";
    std::uint8_t dhcpFlag = 0;
    std::string_view credential = "secret";
};

inline void putText(std::vector<std::uint8_t>& datagram, std::size_t offset,
                    std::string_view text) {
    std::copy(text.begin(), text.end(), datagram.begin() + static_cast<std::ptrdiff_t>(offset));
}

// A 398-byte (short) or 430-byte (long) reply. Every byte the finder only echoes holds a value
// of its own offset (offset modulo 251 plus 1), so a copy to the wrong place shows.
inline std::vector<std::uint8_t> fixedSettingsReply(const MacAddress& mac,
                                                    const FixedReplyFields& f = {}) {
    const std::size_t size = f.longForm ? 430 : 398;
    auto datagram = settingsReplyHeader(mac, size);
    for (std::size_t i = 10; i < size; ++i) {
        datagram[i] = static_cast<std::uint8_t>(i % 251 + 1);
    }
    const std::size_t nameSize = f.longForm ? 64 : 32;
    const std::size_t dhcp = f.longForm ? 234 : 202;
    const std::size_t credential = f.longForm ? 365 : 333;
    std::fill_n(datagram.begin() + 170, nameSize, 0);
    putText(datagram, 170, f.name);
    std::copy(f.netmask.begin(), f.netmask.end(), datagram.begin() + 74);
    std::copy(f.gateway.begin(), f.gateway.end(), datagram.begin() + 78);
    std::copy(f.dns.begin(), f.dns.end(), datagram.begin() + 82);
    datagram[88] = static_cast<std::uint8_t>(f.webPort >> 8);
    datagram[89] = static_cast<std::uint8_t>(f.webPort);
    if (f.longForm) {
        std::fill_n(datagram.begin() + 91, 5, 0);
        putText(datagram, 91, f.firmwareVersion);
    }
    datagram[dhcp] = f.dhcpFlag;
    std::fill_n(datagram.begin() + static_cast<std::ptrdiff_t>(credential), 64, 0);
    putText(datagram, credential, f.credential);
    return datagram;
}

} // namespace vistrel::test
