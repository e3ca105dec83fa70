#pragma once
// The computer's network interfaces as the system lists them now, in the form the rules take.

#include "net/network_interface.h"

#include <vector>

namespace vistrel::net {

std::vector<NetworkInterface> readNetworkInterfaces();

} // namespace vistrel::net
