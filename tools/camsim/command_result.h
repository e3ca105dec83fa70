#pragma once
// What one camera made of a request addressed to it: its verdict, the decoded fields for the
// log, and the replies it sends.

#include "camsim/json_text.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vistrel::camsim {

struct CommandResult {
    std::string verdict; // "answered", "applied", "refused: <reason>"
    JsonObject fields;
    std::vector<std::vector<std::uint8_t>> replies;
    bool settingsChanged = false;

    bool refused() const { return verdict.rfind("refused", 0) == 0; }
};

inline CommandResult refusedCommand(const std::string& reason, JsonObject fields = {}) {
    return {"refused: " + reason, std::move(fields), {}, false};
}

} // namespace vistrel::camsim
