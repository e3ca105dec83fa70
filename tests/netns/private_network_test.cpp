// The check programs make before they broadcast, on recorded /proc/net/dev contents.

#include "netns/private_network.h"

#include <gtest/gtest.h>
#include <string>

namespace vistrel {
namespace {

const std::string kHeading =
    "Inter-|   Receive                                                |  Transmit\n"
    " face |bytes    packets errs drop fifo frame compressed multicast|bytes    packets errs "
    "drop fifo colls carrier compressed\n";

std::string device(const std::string& name) {
    std::string padded = name + ":";
    padded.insert(0, padded.size() < 7 ? 7 - padded.size() : 0, ' ');
    return padded + "    3267      29    0    0    0     0          0         0     3267      29"
                    "    0    0    0     0       0          0\n";
}

TEST(PrivateNetwork, AcceptsOnlyTheNamespacesOfOurScripts) {
    struct Case {
        const char* what;
        std::string devices;
        bool isPrivate;
    };
    const Case cases[] = {
        {"scripts/netns", device("lo") + device("camnull0"), true},
        {"the computer of scripts/lans",
         device("lo") + device("vst-lan-a") + device("vst-lan-b") + device("br-vst-0"), true},
        {"a LAN of scripts/lans", device("lo") + device("vst-lan-b-sw"), true},
        {"the host", device("lo") + device("ifb0") + device("eth0"), false},
        {"a host with a container bridge", device("lo") + device("br-1a2b3c") + device("vst-x"),
         false},
        {"a container's network", device("lo") + device("eth0@if12"), false},
        {"no loopback", device("vst-lan-a"), false},
        {"a device that only starts like ours", device("lo") + device("vstlan"), false},
        {"nothing read", "", false},
        {"headings only", kHeading, false},
    };
    for (const Case& c : cases) {
        const std::string text = c.devices.starts_with("Inter") ? c.devices : kHeading + c.devices;
        EXPECT_EQ(onlyPrivateNetworkDevices(c.devices.empty() ? "" : text), c.isPrivate) << c.what;
    }
}

TEST(PrivateNetwork, RefusesALineItCannotRead) {
    EXPECT_FALSE(onlyPrivateNetworkDevices(kHeading + device("lo") + "garbage without colon\n"));
}

} // namespace
} // namespace vistrel
