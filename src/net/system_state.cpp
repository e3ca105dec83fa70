#include "net/system_state.h"

#include "net/container_markers.h"
#include "protocol/admin_datagram.h"

namespace vistrel::net {

void readSystemState(DiagnosisInputs& inputs, int ownPid) {
    inputs.adminPortUsers = readUdpPortUsers(kAdminPort, ownPid);
    inputs.defaultRoute = readDefaultRoute();
    inputs.firewall = readFirewall();
    inputs.container = readContainerKind();
}

} // namespace vistrel::net
