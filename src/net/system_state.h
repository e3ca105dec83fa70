#pragma once
// Reads what the diagnostics report says about the system into its inputs: the other
// programs on the admin port, the default route and its kind, the firewall's rules and the
// container markers. Reads files and asks nft or iptables-save; sends nothing.

#include "net/diagnosis_report.h"

namespace vistrel::net {

// ownPid: the finder's own process, whose socket on the port is not another program's.
void readSystemState(DiagnosisInputs& inputs, int ownPid);

} // namespace vistrel::net
