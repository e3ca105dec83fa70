#pragma once
// Reads a scenario: a JSON file that describes the simulated cameras. Every field but a
// camera's "mac" and "ip" has a default; a field of the wrong type or range, or a key that
// means nothing, is an error that names the field, e.g.
// "cameras[2].settings.netmask: \"255.0.0\" is not an IPv4 address". The format is described
// in tools/camsim/README.md.

#include "camsim/camera_description.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <string>
#include <vector>

namespace vistrel::camsim {

struct ScenarioReading {
    std::vector<CameraDescription> cameras;
    std::string error; // empty when every camera was read
};

ScenarioReading readScenarioFile(const QString& path);
ScenarioReading readScenarioText(const QByteArray& json);

// One camera from its JSON object; `path` prefixes the error messages.
ScenarioReading readCamera(const QJsonObject& object, const std::string& path);

} // namespace vistrel::camsim
