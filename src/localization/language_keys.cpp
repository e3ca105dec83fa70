#include "localization/language_keys.h"

#include "config/warning_keys.h"

namespace vistrel::language_keys {

std::vector<std::string_view> namedKeys() {
    std::vector<std::string_view> keys{kSearching, kSearchHint, kConfigHint, kBrowserHint};
    keys.insert(keys.end(), kCardLabels.begin(), kCardLabels.end());
    keys.insert(keys.end(),
                {kTrayClose, kLinkDetected, kLinkNotDetected, kWpsConnected, kWpsFailed, kWait});
    keys.insert(keys.end(), kMessageBoxMessages.begin(), kMessageBoxMessages.end());
    keys.insert(keys.end(), {kWantToLeave, kSetupComplete1, kSetupComplete2});
    keys.insert(keys.end(), kDiagnosisKeys.begin(), kDiagnosisKeys.end());
    keys.insert(keys.end(), warning_keys::kAll.begin(), warning_keys::kAll.end());
    return keys;
}

} // namespace vistrel::language_keys
