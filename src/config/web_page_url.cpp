#include "config/web_page_url.h"

#include "config/warning_keys.h"
#include "protocol/address_text.h"

namespace vistrel {

std::string webPageUrl(const TDeviceItem& camera) {
    return "http://" + removeBlanks(camera.browserIpText) + ":" + std::to_string(camera.webPort);
}

WebPageTarget webPageTarget(const TDeviceItem& camera, bool rowSelected) {
    if (!rowSelected) {
        return {Warning::key(warning_keys::kSelectACamera), {}};
    }
    return {std::nullopt, webPageUrl(camera)};
}

} // namespace vistrel
