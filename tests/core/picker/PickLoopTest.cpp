#include "../PickerFixture.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

namespace {

constexpr ColorValue Red = 255, Green = 65280, Blue = 16711680, Yellow = 65535;

class PickLoopTest : public PickerFixture, public testing::Test {};

TEST_F(PickLoopTest, TheFirstTickSwitchesPickingOnAndTakesNoSample) {
    picker.History.SetRows(ListEntries::FromTexts({"#123456", "#654321"})); // as the last run left them
    EXPECT_FALSE(picker.Picking.PickingOn());
    EXPECT_FALSE(picker.Picking.Switched());
    EXPECT_TRUE(picker.Picking.FirstTick());
    EXPECT_TRUE(picker.PaletteShown());

    StartPicking();
    EXPECT_FALSE(picker.Picking.FirstTick());
    EXPECT_TRUE(picker.Picking.PickingOn());
    EXPECT_TRUE(picker.Picking.TimerShowZoom.Enabled());
    EXPECT_TRUE(picker.Picking.TimerGetColor.Enabled());
    EXPECT_EQ(picker.Picking.TimerGetColor.Interval(), 1000);
    EXPECT_FALSE(picker.PaletteShown());
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_EQ(picker.Current.Text(), "_____");
    EXPECT_EQ(pixelReads, 0);

    TickOn(Red);
    EXPECT_EQ(picker.Current.Text(), "#FF0000");
    EXPECT_EQ(Rows(), QStringList{"#FF0000"});
    EXPECT_EQ(Values(), QStringList{"255"});
    EXPECT_EQ(picker.Clipboard.Sample(), Red);
    EXPECT_TRUE(copies.empty()); // picking never writes the clipboard
}

TEST_F(PickLoopTest, ARestingPointerAddsOneRowAndRedBlueRedAddsThree) {
    StartPicking();
    for (int i = 0; i < 10; ++i)
        TickOn(PackRgb(10, 20, 30));
    EXPECT_EQ(Rows().size(), 1);
    EXPECT_EQ(pixelReads, 10);
    for (ColorValue color : {Red, Blue, Red}) {
        TickOn(color);
        Tick();
    }
    EXPECT_EQ(Values(), (QStringList{"255", "16711680", "255", "1971210"}));
    EXPECT_EQ(picker.Current.Color(), Red);
}

TEST_F(PickLoopTest, APickedBlackPixelIsBlackNotASystemColor) {
    system.Colors[0] = Red;
    StartPicking();
    TickOn(0);
    EXPECT_EQ(picker.Current.Text(), "#000000");
    EXPECT_EQ(picker.Current.ShownColor(), 0);
    EXPECT_EQ(picker.Clipboard.Sample(), 0);
}

TEST_F(PickLoopTest, AScreenThatCannotBeReadGivesNoColorAndSaysSo) {
    StartPicking();
    TickOn(Red);
    unreadable = true;
    TickOn(Blue);
    EXPECT_EQ(Rows(), QStringList{"#FF0000"});
    EXPECT_EQ(picker.Current.Color(), Red);
    EXPECT_EQ(picker.Hint(), "此处无法读取屏幕上的颜色");
    EXPECT_TRUE(picker.Picking.TimerGetColor.Enabled()); // the next tick tries again
}

TEST_F(PickLoopTest, TheFocusedRowsColorChangesNothingEvenAfterAFormatSwitch) {
    StartPicking();
    TickOn(Red);
    picker.CbColorValTypeChange(FormatRgb); // shows the current colour as "255,0,0"
    picker.Current.ShowAsCurrentColor(Green);
    picker.Clipboard.PaintCopySample();
    TickOn(Red);
    EXPECT_EQ(picker.Current.Text(), "0,255,0");
    EXPECT_EQ(Rows(), QStringList{"#FF0000"});
    EXPECT_EQ(picker.Clipboard.Sample(), Green);
}

TEST_F(PickLoopTest, RowsKeepTheTextTheyWereGivenAndTheRepeatRuleLooksAtTheFocusedRow) {
    StartPicking();
    picker.CbColorValTypeChange(FormatRgb);
    TickOn(Red);
    picker.CbColorValTypeChange(FormatHtml);
    TickOn(Blue);
    EXPECT_EQ(Rows(), (QStringList{"#0000FF", "255,0,0"}));
    EXPECT_EQ(picker.History.FocusedRow(), 0);
    EXPECT_TRUE(picker.History.RepeatRuleHolds(Blue));
    EXPECT_FALSE(picker.History.RepeatRuleHolds(Red));
    picker.History.ChooseRow(1);
    EXPECT_TRUE(picker.History.RepeatRuleHolds(Red));
    picker.History.Clear();
    EXPECT_EQ(picker.History.FocusedRow(), -1);
    EXPECT_FALSE(picker.History.RepeatRuleHolds(Red));
}

TEST_F(PickLoopTest, TheHundredthRowEmptiesTheList) {
    StartPicking();
    for (int i = 0; i < 99; ++i)
        TickOn(i);
    EXPECT_EQ(Rows().size(), 99);
    TickOn(500);
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_EQ(picker.Current.Color(), 500);
    Tick(); // the pointer still rests on it
    EXPECT_EQ(Rows().size(), 1);
    EXPECT_EQ(picker.History.FillColor(0), 500);
}

// Clicking a row stops picking; picking again, the clicked row's colour is not added, and a pointer
// resting on a new colour adds one row whatever row was clicked.
TEST_F(PickLoopTest, AfterAClickARestingPointerAddsOneRow) {
    for (int clicked : {0, 2}) {
        PickerFixture fixture;
        ColorPicker& p = fixture.picker;
        fixture.StartPicking();
        for (ColorValue color : {Red, Blue, Green})
            fixture.TickOn(color);
        p.LbColorsClick(clicked);
        EXPECT_FALSE(p.Picking.PickingOn());
        fixture.TickOn(Yellow); // picking is off: nothing changes
        EXPECT_EQ(fixture.Rows().size(), 3);

        p.Picking.BtnStartGetColorClick();
        const ColorValue clickedColor = clicked == 0 ? Green : Red;
        fixture.TickOn(clickedColor);
        EXPECT_EQ(fixture.Rows().size(), 3) << "row " << clicked;
        for (int i = 0; i < 5; ++i)
            fixture.TickOn(Yellow);
        EXPECT_EQ(fixture.Rows(), (QStringList{"#FFFF00", "#00FF00", "#0000FF", "#FF0000"}))
            << "row " << clicked;
    }
}

TEST_F(PickLoopTest, AFailingTickStopsBothTimersAndTwoClicksRestartThem) {
    StartPicking();
    picker.History.Clear();
    picker.History.SetRows(ListEntries::FromTexts({"a row read from a file"})); // no value beside it
    Tick();
    EXPECT_FALSE(picker.Picking.TimerGetColor.Enabled());
    EXPECT_FALSE(picker.Picking.TimerShowZoom.Enabled());
    EXPECT_TRUE(picker.Picking.PickingOn());

    picker.Picking.BtnStartGetColorClick();
    EXPECT_TRUE(picker.Picking.TimerGetColor.Enabled());
    EXPECT_FALSE(picker.Picking.TimerShowZoom.Enabled());
    picker.Picking.BtnStartGetColorClick();
    EXPECT_TRUE(picker.Picking.TimerGetColor.Enabled());
    EXPECT_TRUE(picker.Picking.TimerShowZoom.Enabled());
}

TEST_F(PickLoopTest, AFocusedRowWhoseValueIsNoNumberEndsTheTick) {
    StartPicking();
    picker.History.InsertTop("odd", "not a number");
    TickOn(Red);
    EXPECT_EQ(Rows().size(), 1);
    EXPECT_TRUE(picker.Picking.TimerGetColor.Enabled());
}

TEST(Timer, SettingTheValueItHasChangesNothing) {
    Timer timer(1000, true, nullptr);
    QThread::msleep(60);
    timer.SetInterval(1000);
    timer.SetEnabled(true);
    EXPECT_LE(timer.RemainingTime(), 960); // the period was not restarted
    timer.SetInterval(900);
    EXPECT_GT(timer.RemainingTime(), 850); // a new value restarts it
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(timer.RemainingTime(), -1);
}

TEST(Timer, TicksReachTheHandler) {
    Timer timer(5, true, nullptr);
    int ticks = 0;
    QObject::connect(&timer, &Timer::Tick, [&] { ++ticks; });
    for (int i = 0; i < 200 && ticks < 2; ++i) {
        QThread::msleep(5);
        QCoreApplication::processEvents();
    }
    EXPECT_GE(ticks, 2);
}

TEST_F(PickLoopTest, TheFirstTickAndTheButtonGoTheWayTheDesktopAllows) {
    const struct {
        PickingWay Way;
        bool OnAfterFirstTick, OnAfterButton;
        int OneShots;
        QString Hint; // after the first tick and after a press
    } cases[] = {
        {PickingWay::Live, true, false, 0, ""},
        {PickingWay::PickMode, false, true, 0,
         "点击“开始取色”后移动鼠标：单击取色，右击或Esc退出，滚轮缩放（wlr）"},
        {PickingWay::OneShot, false, false, 1, "点击“开始取色”，用桌面的取色工具选定一个颜色（wlr）"},
        {PickingWay::None, false, false, 0, "此桌面不允许本程序读取屏幕上的颜色：no capture protocol（wlr）"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Way));
        FakeSystemColors colors;
        ColorPicker fresh(colors);
        fresh.SetPickingWay(c.Way, "no capture protocol", "wlr");
        int oneShots = 0;
        QObject::connect(&fresh.Picking, &PickLoop::OneShotRequested, [&] { ++oneShots; });
        fresh.Picking.ReadScreen = [] { return std::optional<ColorValue>(255); };

        fresh.Picking.TimerGetColorTimer();
        EXPECT_EQ(fresh.Picking.PickingOn(), c.OnAfterFirstTick);
        EXPECT_EQ(fresh.Hint(), c.Hint);
        fresh.Picking.TimerGetColorTimer(); // picking off: a tick reads nothing
        EXPECT_EQ(fresh.Current.Text(), c.OnAfterFirstTick ? "#FF0000" : "_____");

        fresh.Picking.BtnStartGetColorClick();
        EXPECT_EQ(fresh.Picking.PickingOn(), c.OnAfterButton);
        EXPECT_EQ(fresh.Picking.TimerShowZoom.Enabled(), c.OnAfterButton);
        EXPECT_EQ(oneShots, c.OneShots);
        fresh.Picking.SwitchPickingOff(); // what the end of a pick mode does
        EXPECT_FALSE(fresh.Picking.PickingOn());
    }
}

TEST_F(PickLoopTest, AColorPickedInThePickModeIsTakenAsAHistoryClickTakesIt) {
    picker.SetPickingWay(PickingWay::PickMode);
    StartPicking();
    picker.Picking.BtnStartGetColorClick();
    TickOn(Blue);
    picker.TakePickedColor(Red);
    EXPECT_FALSE(picker.Picking.PickingOn());
    EXPECT_TRUE(picker.PaletteShown());
    EXPECT_EQ(Rows(), (QStringList{"#FF0000", "#0000FF"}));
    EXPECT_EQ(picker.Current.Text(), "#FF0000");
    EXPECT_EQ(picker.Adjuster.Position(ColorAdjuster::Red), 255);
    EXPECT_EQ(LastText(), "#FF0000");

    picker.TakePickedColor(Red); // the same colour again repeats the focused row
    EXPECT_EQ(Rows().size(), 2);

    picker.Picking.BtnStartGetColorClick();
    picker.PickingRefused("the screen went away");
    EXPECT_FALSE(picker.Picking.PickingOn());
    EXPECT_EQ(picker.Hint(), "the screen went away");
}

} // namespace
