#include "core/color/MeanColor.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Each channel's mean of its sRGB values, a half rounded up.
TEST(MeanColor, EachChannelsMeanWithHalvesRoundedUp) {
    const struct {
        std::vector<ColorValue> Colors;
        ColorValue Mean;
    } cases[] = {
        {{PackRgb(0, 0, 0), PackRgb(255, 255, 255)}, PackRgb(128, 128, 128)},       // 127.5
        {{PackRgb(1, 2, 3), PackRgb(2, 3, 4), PackRgb(2, 3, 4)}, PackRgb(2, 3, 4)}, // 1.67 2.67 3.67
        {{PackRgb(0, 0, 0), PackRgb(0, 0, 0), PackRgb(0, 0, 0), PackRgb(1, 1, 1)}, PackRgb(0, 0, 0)}, // 0.25
        {{PackRgb(10, 0, 255)}, PackRgb(10, 0, 255)},
        {{}, PackRgb(0, 0, 0)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MeanColor(c.Colors), c.Mean) << c.Colors.size();
}

} // namespace
