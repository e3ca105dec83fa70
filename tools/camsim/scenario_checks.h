#pragma once
// Checks of a scenario as a whole, after each field was read: what would stop the cameras from
// running (errors) and what would make the finder read them otherwise than meant (warnings).

#include "camsim/camera_description.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vistrel::camsim {

struct ScenarioFindings {
    std::vector<std::string> errors;
    std::vector<std::string> warnings;
};

// Errors: no camera, a MAC used twice or not a camera's, two web servers on one address and
// port, a name too long for the camera's variant, an XML settings document the finder could
// not inflate, more networks than one site-survey reply carries.
// Warnings: a fixed layout other than the one the finder derives from the model name, a
// fixed-layout reply that the finder would take for XML, a device class the finder ignores.
ScenarioFindings checkScenario(const std::vector<CameraDescription>& cameras);

// The model name the finder shows for the camera and the model code it derives from it, which
// chooses the fixed layout it reads (codes 1 to 18 short, all others long).
std::string finderModelNameOf(const CameraDescription& camera);
std::uint8_t finderModelCodeOf(const CameraDescription& camera);

} // namespace vistrel::camsim
