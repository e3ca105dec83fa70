#pragma once
// The camera list as text for a terminal and as JSON for scripts.

#include "discovery/camera_list.h"

#include <QByteArray>
#include <QString>

namespace vistrel {

// One line per camera in list order: MAC, IP, name, model and state in aligned columns,
// under a heading line.
QString formatCameraTable(const CameraList& list);

// An array of objects with the keys "mac", "ip" (without blanks), "name", "model", "state"
// and "view".
QByteArray formatCameraJson(const CameraList& list);

} // namespace vistrel
