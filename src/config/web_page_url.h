#pragma once
// The selected camera's own web pages, opened in the browser by Enter in the camera list, the
// web page image and the wizard's Advanced buttons.

#include "config/warning.h"
#include "protocol/camera_records.h"

#include <optional>
#include <string>

namespace vistrel {

// "http://192.168.2.3:8080": the address the list shows without its blanks and the web port the
// camera last reported, always with the port, 80 included.
std::string webPageUrl(const TDeviceItem& camera);

struct WebPageTarget {
    std::optional<Warning> warning; // no camera selected: nothing to open
    std::string url;
};

// What the web page command opens. The caller starts the browser and warns "Open_Browser_Fail"
// when that fails.
WebPageTarget webPageTarget(const TDeviceItem& camera, bool rowSelected);

} // namespace vistrel
