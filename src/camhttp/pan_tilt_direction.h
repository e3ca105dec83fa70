#pragma once
// What a click into the preview picture asks the camera to do: the picture is a 3 × 3 grid,
// the outer cells move the camera towards their side or corner and the middle one does
// nothing. Clicks come at most every 600 ms.

#include <chrono>
#include <string_view>

namespace vistrel {

// The direction of a click at (x, y) in a box of this size: "up", "upright", ..., or an empty
// text in the middle cell. The thirds are width / 3 and height / 3 (integer division), and a
// click on a boundary belongs to the middle.
std::string_view panTiltDirection(int x, int y, int boxWidth, int boxHeight);

// The debounce of the pan/tilt clicks, on a clock of milliseconds. A click counts when more
// than 600 ms passed since the last counted one, and the first click always counts. A counted
// click in the middle cell counts too, though it sends nothing.
class PanTiltDebounce {
public:
    static constexpr std::chrono::milliseconds kInterval{600};

    // Whether the click at `now` is acted on.
    bool accept(std::chrono::milliseconds now);

private:
    bool actedOn_ = false;
    std::chrono::milliseconds lastAccepted_{0};
};

} // namespace vistrel
