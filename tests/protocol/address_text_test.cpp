#include "protocol/address_text.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(AddressText, IpTextPadsEveryOctetToThreeCharacters) {
    EXPECT_EQ(formatIpText({192, 168, 2, 3}), "192.168.  2.  3");
    EXPECT_EQ(formatIpText({0, 10, 255, 7}), "  0. 10.255.  7");
    EXPECT_EQ(removeBlanks(formatIpText({192, 168, 2, 3})), "192.168.2.3");
    EXPECT_EQ(formatDottedDecimal({192, 168, 2, 3}), "192.168.2.3");
}

TEST(AddressText, MacTextIsLowerCaseInByteOrder) {
    EXPECT_EQ(formatMacText({0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0xFE}), "00:1a:2b:3c:4d:fe");
}

TEST(AddressText, ParsesMacTextsAndRefusesMalformedOnes) {
    const MacAddress expected{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0xfe};
    EXPECT_EQ(parseMacText("00:1a:2b:3c:4d:fe"), expected);
    EXPECT_EQ(parseMacText("00:1A:2B:3C:4D:FE"), expected);
    for (const char* malformed :
         {"", "00:1a:2b:3c:4d:f", "00:1a:2b:3c:4d:fg", "  :1a:2b:3c:4d:fe"}) {
        SCOPED_TRACE(malformed);
        EXPECT_FALSE(parseMacText(malformed));
    }
}

TEST(AddressText, ParsesDottedDecimalAndRefusesAnythingElse) {
    EXPECT_EQ(parseDottedDecimal("192.168.2.3"), (Ipv4Address{192, 168, 2, 3}));
    EXPECT_EQ(parseDottedDecimal("0.0.0.0"), (Ipv4Address{0, 0, 0, 0}));
    EXPECT_EQ(parseDottedDecimal("010.001.255.7"), (Ipv4Address{10, 1, 255, 7}));
    for (const char* malformed :
         {"", "1.2.3", "1.2.3.4.5", "1.2.3.4.", ".1.2.3", "1..2.3", "256.1.1.1", "1.2.3.1000",
          "0001.2.3.4", "1.2.3.-0", "+1.2.3.4", " 1.2.3.4", "1.2.3.4 ", "1.2.3.4:80", "a.b.c.d"}) {
        SCOPED_TRACE(malformed);
        EXPECT_FALSE(parseDottedDecimal(malformed));
    }
}

} // namespace
} // namespace vistrel
