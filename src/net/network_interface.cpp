#include "net/network_interface.h"

namespace vistrel::net {

std::string formatInterfaceAddress(const InterfaceAddress& address) {
    return formatDottedDecimal(address.address) + "/" + std::to_string(address.prefixLength);
}

} // namespace vistrel::net
