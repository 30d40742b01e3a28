#include "core/color/ContrastRatio.h"

#include <gtest/gtest.h>

namespace {

// WCAG 2.x's own figures (black on white 21:1, #777777 on white 4.48:1), the lightest grey that still
// passes AA on white, and a pair just under 4.5 that must not read as 4.5.
TEST(ContrastRatio, WcagWorkedValuesAndTheLevelsTheyMeet) {
    const struct {
        ColorValue Text, Background;
        double Ratio;
        const char* Shown;
        ContrastLevels Levels;
    } cases[] = {
        {0x000000, 0xFFFFFF, 21.0, "21:1", {true, true, true, true}},
        {0xFFFFFF, 0x000000, 21.0, "21:1", {true, true, true, true}},
        {0x777777, 0xFFFFFF, 4.4781, "4.48:1", {false, true, false, false}},
        {0x767676, 0xFFFFFF, 4.5422, "4.54:1", {true, true, false, true}},
        {0x0000FF, 0xFFFFFF, 3.9985, "4:1", {false, true, false, false}},     // red: ColorValue is BGR
        {0xAA7B45, 0xFFFFFF, 4.49999, "4.49:1", {false, true, false, false}}, // #457BAA: 4.499986
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.Text << " on " << c.Background);
        const double ratio = ContrastRatio(c.Text, c.Background);
        EXPECT_NEAR(ratio, c.Ratio, 0.00005);
        EXPECT_EQ(ContrastRatioText(ratio), c.Shown);
        EXPECT_EQ(ContrastLevelsOf(ratio), c.Levels);
    }
}

} // namespace
