#pragma once
// Finding a camera's row in the list by the name it reports, for tests over the demo cameras.

#include "discovery/camera_list.h"

#include <string>

namespace vistrel::test {

// The row of the camera with this name, -1 when it is not listed.
inline int rowOf(const CameraList& list, const std::string& name) {
    for (int i = 0; i < list.rowCount(); ++i) {
        if (list.row(i).columns[kColumnName] == name) {
            return i;
        }
    }
    return -1;
}

} // namespace vistrel::test
