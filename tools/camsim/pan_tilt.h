#pragma once
// The camera's view direction, moved by pan/tilt requests in whole steps and held within the
// range of the mechanism.

#include <optional>
#include <string_view>

namespace vistrel::camsim {

struct PanTiltStep {
    int pan = 0;  // +1 right
    int tilt = 0; // +1 down
};

// "up", "down", "left", "right", "upleft", "upright", "downleft", "downright"; nullopt for
// any other text.
std::optional<PanTiltStep> panTiltStepOf(std::string_view direction);

class ViewPosition {
public:
    static constexpr int kStepsFromCentre = 5;

    int pan() const { return pan_; }
    int tilt() const { return tilt_; }

    // Moves one step, stopping at the ends of the range. False when the view did not move.
    bool move(PanTiltStep step);

private:
    int pan_ = 0;
    int tilt_ = 0;
};

} // namespace vistrel::camsim
