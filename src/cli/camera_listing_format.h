#pragma once
// The camera list as text for a terminal and as JSON for scripts.

#include "discovery/camera_list.h"

#include <QByteArray>
#include <QString>

namespace vistrel {

// One line per camera in list order: MAC, IP, name, model, state, the interface it answered on
// ("-" when not known) and whether its address fits that interface's network ("ok" or
// "outside"), in aligned columns under a heading line.
QString formatCameraTable(const CameraList& list);

// An array of objects with the keys "mac", "ip" (without blanks), "name", "model", "state",
// "view", "interface" (the interface's name, null when not known) and "inSubnet".
QByteArray formatCameraJson(const CameraList& list);

} // namespace vistrel
