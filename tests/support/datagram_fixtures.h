#pragma once
// Datagrams as cameras send them, for tests.

#include "protocol/address_text.h"
#include "protocol/admin_datagram.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace vistrel::test {

struct DiscoveryReplyFields {
    MacAddress mac{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
    std::string_view name = "Garden";
    Ipv4Address ip{192, 168, 2, 3};
    std::uint8_t vendorCode = 0;
    std::uint8_t deviceClass = 5;
    std::uint8_t modelNumber = 3;
    std::uint8_t setupFlagA = 1;
    std::uint8_t setupFlagB = 2;
    std::uint8_t nameTableSelector = 0;
};

// A 76-byte discovery reply laid out byte by byte, independent of the finder's decoder.
inline std::vector<std::uint8_t> discoveryReply(const DiscoveryReplyFields& fields = {}) {
    std::vector<std::uint8_t> datagram(76, 0);
    for (std::size_t i = 0; i < 6; ++i) {
        datagram[i] = fields.mac[i];
    }
    datagram[6] = 0x01; // a reply
    datagram[7] = 0x04; // to discovery
    for (std::size_t i = 0; i < fields.name.size() && i < 32; ++i) {
        datagram[10 + i] = static_cast<std::uint8_t>(fields.name[i]);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        datagram[42 + i] = fields.ip[i];
    }
    datagram[66] = fields.vendorCode;
    datagram[68] = fields.deviceClass;
    datagram[69] = fields.modelNumber;
    datagram[70] = fields.setupFlagA;
    datagram[71] = fields.setupFlagB;
    datagram[75] = fields.nameTableSelector;
    return datagram;
}

// A reply of the given code from the given MAC: the header and the payload bytes.
inline std::vector<std::uint8_t> reply(const MacAddress& mac, std::uint8_t code,
                                       std::vector<std::uint8_t> payload = {}) {
    std::vector<std::uint8_t> datagram(mac.begin(), mac.end());
    datagram.reserve(kHeaderSize + payload.size());
    for (const std::uint8_t byte : {std::uint8_t{0x01}, code, std::uint8_t{0}, std::uint8_t{0}}) {
        datagram.push_back(byte);
    }
    // Byte by byte: GCC 12 warns about the memmove of an empty range at -O2.
    for (const std::uint8_t byte : payload) {
        datagram.push_back(byte);
    }
    return datagram;
}

} // namespace vistrel::test
