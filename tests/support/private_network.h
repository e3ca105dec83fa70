#pragma once
// Tests that open sockets run only inside the private network namespace of scripts/netns.

#include "netns/private_network.h"

namespace vistrel::test {

using vistrel::inPrivateNetworkNamespace;

} // namespace vistrel::test

// Skips the current test outside the private namespace.
#define VISTREL_REQUIRE_PRIVATE_NETWORK()                                                          \
    do {                                                                                           \
        if (!::vistrel::inPrivateNetworkNamespace()) {                                             \
            GTEST_SKIP() << "opens sockets: run inside scripts/netns";                             \
        }                                                                                          \
    } while (false)
