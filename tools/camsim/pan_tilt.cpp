#include "camsim/pan_tilt.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vistrel::camsim {

namespace {

constexpr std::array<std::pair<std::string_view, PanTiltStep>, 8> kDirections{{
    {"up", {0, -1}},
    {"down", {0, 1}},
    {"left", {-1, 0}},
    {"right", {1, 0}},
    {"upleft", {-1, -1}},
    {"upright", {1, -1}},
    {"downleft", {-1, 1}},
    {"downright", {1, 1}},
}};

int clampedStep(int position, int step) {
    return std::clamp(position + step, -ViewPosition::kStepsFromCentre,
                      ViewPosition::kStepsFromCentre);
}

} // namespace

std::optional<PanTiltStep> panTiltStepOf(std::string_view direction) {
    for (const auto& [name, step] : kDirections) {
        if (name == direction) {
            return step;
        }
    }
    return std::nullopt;
}

bool ViewPosition::move(PanTiltStep step) {
    const int pan = clampedStep(pan_, step.pan);
    const int tilt = clampedStep(tilt_, step.tilt);
    const bool moved = pan != pan_ || tilt != tilt_;
    pan_ = pan;
    tilt_ = tilt;
    return moved;
}

} // namespace vistrel::camsim
