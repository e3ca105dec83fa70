#pragma once
// Check_Lan_Settings: whether the address settings may be sent, and their hand-over into both
// settings records.

#include "config/camera_configuration.h"
#include "config/warning.h"

namespace vistrel {

// With DHCP chosen in the wizard only the DHCP flags are written. Otherwise the address,
// netmask, gateway and DNS groups are checked in this order, each completely (all four fields
// filled, the first octet 1 to 255, the others 0 to 255, digits only), then the web port
// (1 to 65535), the netmask's shape, and that the gateway lies in the address's subnet. What
// passes goes into both records with the DHCP flag 0; a refusal writes nothing.
CheckResult Check_Lan_Settings(CameraConfiguration& config);

// The web port field alone, by the LAN check's rule (empty, or outside 1 to 65535, is refused
// with its warning); a port that passes goes into both records. With DHCP chosen the LAN check
// looks at nothing else, because the window disables the port field then; the command line,
// which can change the port of a camera that stays on DHCP, checks the port here first.
CheckResult Check_Web_Port(CameraConfiguration& config);

// A netmask of leading ones: 255s, then at most one octet of 0, 128, 192, 224, 240, 248, 252
// or 254, then zeros.
bool isNetmaskShape(const Ipv4Address& netmask);

} // namespace vistrel
