#include "core/picker/MagnifierGeometry.h"

#include <gtest/gtest.h>

namespace {

TEST(MagnifierGeometry, SourceKeptOnThePrimaryScreenAndTheCrossHairFollowsThePointer) {
    const struct {
        int X, Y, Width, Height, Level;
        ScreenRect Source;
        int CentreX, CentreY, ArmX, ArmY;
    } cases[] = {
        {0, 0, 360, 174, 1, {0, 0, 180, 88}, 0, 0, 90, 43},
        {1919, 1079, 360, 174, 1, {1740, 992, 1920, 1080}, 358, 174, 90, 43},
        {-100, 500, 360, 174, 1, {0, 456, 180, 544}, -200, 88, 90, 43},
        {960, 540, 360, 174, 4, {938, 529, 982, 551}, 176, 88, 90, 43},
        {960, 540, 360, 174, 1, {870, 496, 1050, 584}, 180, 88, 90, 43},   // 43.5 rounds to 44
        {960, 540, 359, 174, 1, {870, 496, 1050, 584}, 180, 88, 89, 43},   // 89.75 rounds to 90
        {960, 540, 360, 174, 2, {915, 518, 1005, 562}, 180, 88, 90, 43},   // 45 and 21.75
        {100, 100, 4000, 174, 1, {-80, 56, 1920, 144}, 360, 88, 1000, 43}, // wider than the screen
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.X << "," << c.Y << " view " << c.Width << " level " << c.Level);
        const ZoomPlan plan = PlanZoom(c.X, c.Y, c.Width, c.Height, c.Level, {0, 0, 1920, 1080});
        EXPECT_EQ(plan.Source, c.Source);
        EXPECT_EQ(plan.CentreX, c.CentreX);
        EXPECT_EQ(plan.CentreY, c.CentreY);
        EXPECT_EQ(plan.ArmX, c.ArmX);
        EXPECT_EQ(plan.ArmY, c.ArmY);
    }
}

TEST(MagnifierGeometry, StretchRepeatsEachSourcePixel) {
    EXPECT_EQ(StretchSourceIndex(0, 360, 180), 0);
    EXPECT_EQ(StretchSourceIndex(1, 360, 180), 0);
    EXPECT_EQ(StretchSourceIndex(2, 360, 180), 1);
    EXPECT_EQ(StretchSourceIndex(359, 360, 180), 179);
    EXPECT_EQ(StretchSourceIndex(173, 174, 88), 87); // the last view row shows the last source row
    EXPECT_EQ(StretchSourceIndex(0, 174, 88), 0);
}

} // namespace
