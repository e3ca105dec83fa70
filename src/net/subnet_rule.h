#pragma once
// Whether a camera's reported address fits the network the computer has on the interface the
// camera was seen on. A camera outside it answers discovery (broadcasts reach it) but its
// picture and web pages cannot be reached until it gets an address of that network.

#include "net/network_interface.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vistrel::net {

std::uint32_t toHostOrder(const Ipv4Address& address);
Ipv4Address fromHostOrder(std::uint32_t address);

// The network of an interface address: "192.168.50.10/24" gives "192.168.50.0/24".
InterfaceAddress networkOf(const InterfaceAddress& address);

// Whether the address lies in the subnet and is one of its host addresses: the network and
// broadcast addresses of a subnet larger than /31 are not (both addresses of a /31 are).
bool isHostOfSubnet(const Ipv4Address& address, const InterfaceAddress& subnet);

// A camera is outside its network when its address is set (not 0.0.0.0) and is a host address
// of none of the interface's subnets. A /32 says nothing about the network around it, so an
// interface with no wider subnet never flags a camera.
bool outsideItsNetwork(const Ipv4Address& camera, const std::vector<InterfaceAddress>& subnets);

// "192.168.50.0/24, 10.1.0.0/16": the networks of an interface, wider than /32, without
// repeats, for the texts that tell the user which network a camera should be in.
std::string networksText(const std::vector<InterfaceAddress>& subnets);

} // namespace vistrel::net
