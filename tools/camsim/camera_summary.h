#pragma once
// One line per camera for the start-up message: how the finder will list it and how to reach it.

#include "camsim/camera_description.h"

#include <string>

namespace vistrel::camsim {

// "02:56:49:00:00:01  127.0.0.2:80  state 1  VC-210W  short layout  basic  Front door"
std::string cameraSummary(const CameraDescription& camera);

} // namespace vistrel::camsim
