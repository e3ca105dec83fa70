#include "camhttp/pan_tilt_direction.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vistrel {
namespace {

TEST(PanTiltDirection, ThreeByThreeGridWithBoundariesInTheMiddle) {
    struct Case {
        int x;
        int y;
        const char* direction;
    };
    // In a 320 × 240 box the thirds are 106 and 80: the middle spans x 106..212, y 80..160.
    const Case cases[]{
        {300, 20, "upright"},    {160, 120, ""},      {10, 230, "downleft"},
        {106, 120, ""},          {105, 120, "left"},  {212, 120, ""},
        {213, 120, "right"},     {160, 80, ""},       {160, 79, "up"},
        {160, 160, ""},          {160, 161, "down"},  {0, 0, "upleft"},
        {319, 239, "downright"}, {105, 79, "upleft"}, {213, 161, "downright"},
        {106, 79, "up"},         {213, 80, "right"},  {105, 161, "downleft"},
        {212, 239, "down"},      {319, 0, "upright"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ")");
        EXPECT_EQ(panTiltDirection(c.x, c.y, 320, 240), c.direction);
    }
    // Another box size takes its own thirds: 100 × 50 gives 33 and 16.
    EXPECT_EQ(panTiltDirection(67, 20, 100, 50), "right");
    EXPECT_EQ(panTiltDirection(66, 32, 100, 50), "");
}

TEST(PanTiltDebounce, ClicksCountAtMostEvery600Milliseconds) {
    struct Case {
        const char* name;
        std::vector<int> clicksAt;
        std::vector<bool> counted;
    };
    const Case cases[]{
        {"0.3 s apart, then 0.7 s after the first", {5000, 5300, 5700}, {true, false, true}},
        {"600 ms is still too soon", {5000, 5600, 5601}, {true, false, true}},
        {"an ignored click does not restart the interval", {5000, 5500, 5650}, {true, false, true}},
        {"the first click counts even right after start", {300, 500, 901}, {true, false, true}},
        {"slow clicks all count", {1000, 2000, 3000}, {true, true, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PanTiltDebounce debounce;
        std::vector<bool> counted;
        for (const int at : c.clicksAt) {
            counted.push_back(debounce.accept(std::chrono::milliseconds(at)));
        }
        EXPECT_EQ(counted, c.counted);
    }
}

} // namespace
} // namespace vistrel
