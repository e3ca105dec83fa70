#include "camhttp/pan_tilt_direction.h"

namespace vistrel {

namespace {

// -1 before the first third, 1 past the second, 0 in the middle, boundaries included.
int thirdOf(int position, int length) {
    const int third = length / 3;
    if (position < third) {
        return -1;
    }
    return position > 2 * third ? 1 : 0;
}

} // namespace

std::string_view panTiltDirection(int x, int y, int boxWidth, int boxHeight) {
    static constexpr std::string_view kDirections[3][3]{
        {"upleft", "up", "upright"},
        {"left", "", "right"},
        {"downleft", "down", "downright"},
    };
    return kDirections[thirdOf(y, boxHeight) + 1][thirdOf(x, boxWidth) + 1];
}

bool PanTiltDebounce::accept(std::chrono::milliseconds now) {
    const bool soon = now - lastAccepted_ <= kInterval;
    if (soon && actedOn_) {
        return false;
    }
    if (!soon) {
        lastAccepted_ = now;
    }
    actedOn_ = true;
    return true;
}

} // namespace vistrel
