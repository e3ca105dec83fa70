#include "camsim/camera_summary.h"

#include "camsim/scenario_checks.h"
#include "discovery/camera_discovery.h"

namespace vistrel::camsim {

namespace {

const char* variantName(SettingsVariant variant) {
    switch (variant) {
    case SettingsVariant::ShortLayout:
        return "short layout";
    case SettingsVariant::LongLayout:
        return "long layout";
    case SettingsVariant::Xml:
        break;
    }
    return "XML";
}

const char* authName(HttpAuth auth) {
    switch (auth) {
    case HttpAuth::Basic:
        return "basic";
    case HttpAuth::Digest:
        return "digest";
    case HttpAuth::None:
        break;
    }
    return "no auth";
}

} // namespace

std::string cameraSummary(const CameraDescription& camera) {
    const std::string state = std::to_string(listStateOf(camera.setupFlagA, camera.setupFlagB));
    return formatMacText(camera.mac) + "  " + formatDottedDecimal(camera.settings.ip) + ":" +
           std::to_string(camera.settings.webPort) + "  state " + state + "  " +
           finderModelNameOf(camera) + "  " + variantName(camera.variant) + "  " +
           authName(camera.httpAuth) + "  " + camera.settings.name;
}

} // namespace vistrel::camsim
