#pragma once
// Tests that open sockets run only inside the private network namespace of scripts/netns.

#include "netns/private_network.h"

namespace vistrel::test {

using vistrel::inPrivateNetworkNamespace;

} // namespace vistrel::test

// Skips the current GoogleTest test outside the private namespace.
#define VISTREL_REQUIRE_PRIVATE_NETWORK()                                                          \
    do {                                                                                           \
        if (!::vistrel::inPrivateNetworkNamespace()) {                                             \
            GTEST_SKIP() << "opens sockets: run inside scripts/netns";                             \
        }                                                                                          \
    } while (false)

// Skips a Qt Test program outside the private namespace; call it from initTestCase(), so that
// every function is skipped and CTest reports the program as skipped (see VistrelTesting.cmake).
#define VISTREL_QSKIP_OUTSIDE_PRIVATE_NETWORK()                                                    \
    do {                                                                                           \
        if (!::vistrel::inPrivateNetworkNamespace()) {                                             \
            QSKIP("opens sockets: run inside scripts/netns");                                      \
        }                                                                                          \
    } while (false)
