#include "../PickerFixture.h"

#include <gtest/gtest.h>

namespace {

constexpr ColorValue Red = 255, Blue = 16711680;

class ColorPickerTest : public PickerFixture, public testing::Test {
protected:
    ColorPickerTest() { StartPicking(); }

    QStringList Favourites() const { return Texts(picker.Favourites.Values()); }
    // Five favourites, row i with value i + 1.
    void FiveFavourites() {
        for (int i = 5; i >= 1; --i) {
            picker.Current.ShowAsCurrentColor(i);
            picker.BtnAddColorFavClick();
        }
    }
};

TEST_F(ColorPickerTest, ChoosingAHistoryRowStopsPickingShowsItSetsTheBarsAndCopies) {
    TickOn(Red);
    TickOn(PackRgb(18, 52, 86));
    picker.LbColorsClick(1);
    EXPECT_FALSE(picker.Picking.PickingOn());
    EXPECT_TRUE(picker.PaletteShown());
    EXPECT_EQ(picker.History.FocusedRow(), 1);
    EXPECT_EQ(picker.Current.Color(), Red);
    EXPECT_EQ(picker.Clipboard.Sample(), Red);
    EXPECT_EQ(picker.Adjuster.Position(ColorAdjuster::Red), 255);
    EXPECT_EQ(picker.Adjuster.Label(ColorAdjuster::Blue), "0");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(LastText(), "#FF0000");
    EXPECT_TRUE(picker.Hint().startsWith("颜色值(#FF0000)已放入剪贴板"));
}

TEST_F(ColorPickerTest, ARowWithoutAValueOnlyStopsPicking) {
    TickOn(Red);
    picker.History.SetRows(ListEntries::FromTexts({"from a file", "another"}));
    picker.History.SetValues({});
    picker.LbColorsClick(1);
    EXPECT_FALSE(picker.Picking.PickingOn());
    EXPECT_EQ(picker.Current.Color(), Red);
    EXPECT_TRUE(copies.empty());
}

TEST_F(ColorPickerTest, ChoosingAFavouriteStopsPickingAndOneWithoutAValueIsWhite) {
    picker.Current.ShowAsCurrentColor(PackRgb(18, 52, 86));
    picker.BtnAddColorFavClick();
    picker.Favourites.SetRows(ListEntries::FromTexts({"#123456", "no value"}));
    picker.LbFavColorClick(0);
    EXPECT_FALSE(picker.Picking.PickingOn());
    EXPECT_EQ(picker.Current.Color(), PackRgb(18, 52, 86));
    EXPECT_EQ(picker.Adjuster.Position(ColorAdjuster::Blue), 86);
    EXPECT_EQ(LastText(), "#123456");
    picker.LbFavColorClick(1);
    EXPECT_EQ(picker.Current.Color(), ColorWhite);
    EXPECT_EQ(LastText(), "#FFFFFF");
}

// In picture mode the sample is painted before it is copied: a click copies the chosen row's colour.
TEST_F(ColorPickerTest, InPictureModeAChosenRowCopiesItsOwnPicture) {
    TickOn(Red);
    picker.History.InsertTop("#0000FF", "16711680");
    picker.Favourites.InsertTop("#00FF00", "65280");
    picker.LbPasteTypeClick(ClipboardOutput::PasteSample);
    picker.LbColorsClick(0);
    EXPECT_EQ(LastSample(), Blue);
    picker.LbFavColorClick(0);
    EXPECT_EQ(LastSample(), 65280);
    EXPECT_TRUE(picker.Hint().startsWith("颜色样图(#00FF00)"));
}

TEST_F(ColorPickerTest, TheCopyButtonPaintsSetsTheBarsWhereTheyShowAndCopiesOnce) {
    picker.Current.ShowAsCurrentColor(PackRgb(18, 52, 86));
    picker.BtnCopyColorClick(); // picking is on: the palette, with its bars, is hidden
    EXPECT_EQ(picker.Adjuster.Label(ColorAdjuster::Red), "___");
    EXPECT_EQ(picker.Clipboard.Sample(), PackRgb(18, 52, 86));
    picker.Picking.BtnStartGetColorClick();
    picker.BtnCopyColorClick();
    EXPECT_EQ(picker.Adjuster.Label(ColorAdjuster::Green), "52");
    EXPECT_EQ(copies.size(), 2u);
}

TEST_F(ColorPickerTest, FormatsAndPasteTypesCopyAtOnceAndNoPasteTypeCopiesNothing) {
    picker.Current.ShowAsCurrentColor(33023);
    const struct {
        int Format;
        const char* Text;
    } cases[] = {{1, "255,128,0"},           {2, "$000080FF"}, {3, "21,255,128"}, {4, "0xFF8000"},
                 {5, "30.12,100.00,100.00"}, {-1, "#FF8000"},  {0, "#FF8000"}};
    for (const auto& c : cases) {
        picker.CbColorValTypeChange(c.Format);
        EXPECT_EQ(picker.Current.Text(), c.Text);
        EXPECT_EQ(LastText(), c.Text);
        EXPECT_TRUE(picker.Hint().contains(QString("(") + c.Text + ")"));
    }
    // No sample yet: picture mode copies nothing and says nothing.
    picker.SetHint("as it was");
    copies.clear();
    picker.LbPasteTypeClick(ClipboardOutput::PasteSample);
    picker.LbPasteTypeClick(-1);
    picker.BtnCopyColorClick();
    EXPECT_TRUE(copies.empty());
    EXPECT_EQ(picker.Hint(), "as it was");
}

TEST_F(ColorPickerTest, AClipboardThatRefusesLeavesTheHintAlone) {
    refuse = true;
    picker.SetHint("as it was");
    picker.Current.ShowAsCurrentColor(Red);
    picker.BtnCopyColorClick();
    EXPECT_EQ(picker.Hint(), "as it was");
    EXPECT_EQ(picker.Clipboard.Sample(), Red); // the steps before the copy stay done
}

TEST_F(ColorPickerTest, FavouritesAreKeptWithoutLimitAndRemovedBySelection) {
    picker.Current.ShowAsCurrentColor(Red);
    for (int i = 0; i < 150; ++i)
        picker.BtnAddColorFavClick();
    EXPECT_EQ(picker.Favourites.rowCount(), 150);
    EXPECT_EQ(Texts(picker.Favourites.Rows()).first(), "#FF0000");

    const struct {
        QList<int> Selected;
        QStringList Left;
    } cases[] = {{{1, 3}, {"1", "3", "5"}}, {{}, {"1", "2", "3", "4", "5"}}, {{0, 4, 4, 9}, {"2", "3", "4"}}};
    for (const auto& c : cases) {
        picker.ClearFavourites();
        FiveFavourites();
        picker.BtnClearColorFavClick(c.Selected);
        EXPECT_EQ(Favourites(), c.Left);
        for (int row = 0; row < picker.Favourites.rowCount(); ++row)
            EXPECT_EQ(picker.Favourites.FillColor(row), c.Left[row].toInt());
    }
    picker.ClearFavourites();
    EXPECT_EQ(picker.Favourites.rowCount(), 0);
    EXPECT_TRUE(picker.Favourites.Values().empty());
}

TEST_F(ColorPickerTest, RowsAndValuesOutOfStepStayPairedAsTheyWere) {
    picker.Favourites.SetRows(ListEntries::FromTexts({"a", "b", "c", "d", "e"}));
    picker.Favourites.SetValues(ListEntries::FromTexts({"10", "20", "30"})); // "d" and "e" have none
    picker.BtnClearColorFavClick({1, 4});
    EXPECT_EQ(Texts(picker.Favourites.Rows()), (QStringList{"a", "c", "d"}));
    EXPECT_EQ(Favourites(), (QStringList{"10", "30"}));
    picker.Favourites.SetValues(ListEntries::FromTexts({"1", "2", "3", "4", "5", "6", "7"}));
    picker.BtnClearColorFavClick({0, 2});
    EXPECT_EQ(Texts(picker.Favourites.Rows()), QStringList{"c"});
    EXPECT_EQ(Favourites(), (QStringList{"2", "4", "5", "6", "7"}));
}

TEST_F(ColorPickerTest, DeletingAllColorsEmptiesRowsAndValues) {
    TickOn(Red);
    TickOn(Blue);
    picker.BtnClearAllColorClick();
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_TRUE(Values().isEmpty());
}

TEST_F(ColorPickerTest, ZoomStepsThroughTwoToEightTimesAndAlwaysOnTopFlips) {
    picker.BtnZoomoutClick();
    EXPECT_EQ(picker.ZoomLevel(), 1);
    for (int i = 0; i < 5; ++i)
        picker.BtnZoomInClick();
    EXPECT_EQ(picker.ZoomLevel(), 4);
    picker.BtnZoomoutClick();
    EXPECT_EQ(picker.ZoomLevel(), 3);

    for (bool stored : {true, false}) {
        picker.ApplyAlwaysOnTop(stored);
        EXPECT_EQ(picker.AlwaysOnTop(), stored);
        picker.BtnAlwaysOnTopClick();
        picker.BtnAlwaysOnTopClick();
        EXPECT_EQ(picker.AlwaysOnTop(), stored);
    }
}

TEST_F(ColorPickerTest, ARandomColorTakenBecomesCurrentAndIsCopied) {
    picker.Picking.SwitchPickingOff();
    picker.TakeRandomColor(5649426);
    EXPECT_EQ(picker.Current.Color(), 5649426);
    EXPECT_EQ(LastText(), "#123456");
    EXPECT_EQ(picker.Adjuster.Position(ColorAdjuster::Red), 18);
    EXPECT_FALSE(picker.Picking.PickingOn());
}

} // namespace
