#pragma once
// Blocking work that the user waits for, such as the reachability probe, run so that the
// windows keep painting: the work runs on a thread of its own under a busy cursor, and the
// GUI thread serves timers, network replies and painting until it ends. User input waits.

#include <functional>

namespace vistrel {

// Returns when the work has ended.
void runWithBusyCursor(const std::function<void()>& work);

} // namespace vistrel
