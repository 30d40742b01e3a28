#include "../PickerFixture.h"

#include <gtest/gtest.h>

namespace {

class ColorAdjusterTest : public PickerFixture, public testing::Test {
protected:
    ColorAdjusterTest() { picker.Current.ShowAsCurrentColor(PackRgb(18, 52, 86)); }

    QStringList Labels() const {
        return {picker.Adjuster.Label(ColorAdjuster::Red), picker.Adjuster.Label(ColorAdjuster::Green),
                picker.Adjuster.Label(ColorAdjuster::Blue)};
    }
};

TEST_F(ColorAdjusterTest, SyncSetsTheBarsWithoutCopyingAndAMoveComposesAndCopies) {
    EXPECT_EQ(Labels(), (QStringList{"___", "___", "___"}));
    picker.Adjuster.SyncAdjusterBars();
    EXPECT_EQ(Labels(), (QStringList{"18", "52", "86"}));
    EXPECT_TRUE(copies.empty());

    picker.Adjuster.BarChange(ColorAdjuster::Red, 19); // the right arrow
    EXPECT_EQ(picker.Current.Color(), PackRgb(19, 52, 86));
    EXPECT_EQ(picker.Current.Text(), "#133456");
    EXPECT_EQ(picker.Adjuster.Label(ColorAdjuster::Red), "19");
    EXPECT_EQ(picker.Clipboard.Sample(), PackRgb(19, 52, 86));
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(LastText(), "#133456");
    EXPECT_TRUE(picker.Hint().contains("#133456"));
}

TEST_F(ColorAdjusterTest, DraggingCopiesOncePerPositionWithTheOtherBarsOldValues) {
    for (int position = 1; position <= 255; ++position)
        picker.Adjuster.BarChange(ColorAdjuster::Green, position);
    EXPECT_EQ(copies.size(), 255u);
    EXPECT_EQ(picker.Current.Color(), PackRgb(0, 255, 0));
}

TEST_F(ColorAdjusterTest, SyncToTheSameColorCopiesNothingAndATopByteIsIgnored) {
    picker.Adjuster.SyncAdjusterBars();
    picker.Adjuster.SyncAdjusterBars();
    EXPECT_TRUE(copies.empty());
    picker.Current.ShowAsCurrentColor(0x7F0A0B0C);
    picker.Adjuster.SyncAdjusterBars();
    EXPECT_EQ(Labels(), (QStringList{"12", "11", "10"}));
}

} // namespace
