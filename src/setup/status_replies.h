#pragma once
// What the selected camera's status replies tell the DHCP wait and the wizard. Only the flags
// change here; the next tick of the timer concerned acts on them.

#include "protocol/admin_datagram.h"
#include "setup/dhcp_wait.h"
#include "setup/wizard_state.h"

#include <cstdint>

namespace vistrel {

// A DHCP status other than 0 means the camera has its address; link status 1 confirms the link
// for the tests of pages 1, 7 and 9 alike; WPS status 2 means WPS succeeded. Other codes and
// statuses change nothing.
void applyStatusReply(ReplyCode code, std::uint8_t status, DhcpWait& dhcpWait, WizardState& wizard);

} // namespace vistrel
