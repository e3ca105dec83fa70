// Whether a camera's address fits the networks of the interface it was seen on.

#include "net/subnet_rule.h"

#include <gtest/gtest.h>

namespace vistrel::net {
namespace {

struct SubnetCase {
    const char* name;
    Ipv4Address camera;
    std::vector<InterfaceAddress> subnets;
    bool outside;
};

const SubnetCase kCases[] = {
    {"inside a /24", {192, 168, 1, 20}, {{{192, 168, 1, 10}, 24}}, false},
    {"outside a /24", {192, 168, 0, 20}, {{{192, 168, 1, 10}, 24}}, true},
    {"inside the second address",
     {10, 1, 200, 3},
     {{{192, 168, 1, 10}, 24}, {{10, 1, 0, 1}, 16}},
     false},
    {"outside both addresses",
     {172, 16, 0, 3},
     {{{192, 168, 1, 10}, 24}, {{10, 1, 0, 1}, 16}},
     true},
    {"unset address", {0, 0, 0, 0}, {{{192, 168, 1, 10}, 24}}, false},
    {"only a /32 on the interface", {192, 168, 0, 20}, {{{192, 168, 1, 10}, 32}}, false},
    {"a /32 beside a /24", {192, 168, 0, 20}, {{{192, 168, 1, 10}, 32}, {{10, 0, 0, 1}, 24}}, true},
    {"no address on the interface", {192, 168, 0, 20}, {}, false},
    {"first address of a /31", {10, 0, 0, 0}, {{{10, 0, 0, 1}, 31}}, false},
    {"second address of a /31", {10, 0, 0, 1}, {{{10, 0, 0, 0}, 31}}, false},
    {"beside a /31", {10, 0, 0, 2}, {{{10, 0, 0, 1}, 31}}, true},
    {"network address of a /24", {192, 168, 1, 0}, {{{192, 168, 1, 10}, 24}}, true},
    {"broadcast address of a /24", {192, 168, 1, 255}, {{{192, 168, 1, 10}, 24}}, true},
    {"limited broadcast", {255, 255, 255, 255}, {{{192, 168, 1, 10}, 24}}, true},
    {"anything in a /0", {8, 8, 8, 8}, {{{10, 0, 0, 1}, 0}}, false},
};

TEST(SubnetRule, FlagsCamerasOutsideEveryNetworkOfTheirInterface) {
    for (const SubnetCase& c : kCases) {
        EXPECT_EQ(outsideItsNetwork(c.camera, c.subnets), c.outside) << c.name;
    }
}

TEST(SubnetRule, NamesTheNetworksOfAnInterfaceOnce) {
    EXPECT_EQ(networksText({{{192, 168, 1, 10}, 24},
                            {{192, 168, 1, 11}, 24},
                            {{10, 1, 2, 3}, 16},
                            {{100, 64, 0, 1}, 32}}),
              "192.168.1.0/24, 10.1.0.0/16");
    EXPECT_EQ(networksText({{{100, 64, 0, 1}, 32}}), "");
}

} // namespace
} // namespace vistrel::net
