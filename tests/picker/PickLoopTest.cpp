#include "PickingFixture.h"

#include "ui/collections/ColourListView.h"
#include "core/colour/CurrentColour.h"
#include "ui/picker/ImageControl.h"
#include "ui/picker/SpeedButton.h"
#include "core/picker/Timer.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QThread>

#include "../ListTexts.h"

#include <gtest/gtest.h>

namespace {

class PickLoopTest : public PickingFixture, public testing::Test {
protected:
    void ClickHistoryRow(int row) {
        ColourListView* list = window.LbColors;
        const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(list->viewport(), &event);
        }
    }

    QColor SampleColour() { return window.ImgCopy->Picture().pixelColor(25, 12); }
};

TEST_F(PickLoopTest, TheFirstTickSwitchesPickingOnAndTakesNoSample) {
    window.show();
    window.History->Model().SetRows(
        ListEntries::FromTexts({"#123456", "#654321"})); // as the last run left them
    EXPECT_EQ(window.BtnStartGetColor->Tag, 0);
    EXPECT_TRUE(window.BtnStartGetColor->Glyph().isNull());
    EXPECT_TRUE(window.FirstTick);

    StartPicking();
    EXPECT_FALSE(window.FirstTick);
    EXPECT_EQ(window.BtnStartGetColor->Tag, 1);
    EXPECT_EQ(window.BtnStartGetColor->GlyphName(), "cStartGetColor");
    EXPECT_TRUE(window.TimerShowZoom->Enabled());
    EXPECT_TRUE(window.TimerGetColor->Enabled());
    EXPECT_EQ(window.TimerGetColor->Interval(), 1000);
    EXPECT_TRUE(window.PnlZoom->isVisible());
    EXPECT_FALSE(window.PnlColorPlatte->isVisible());
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_EQ(window.LblCurVal->text(), "_____");
    EXPECT_EQ(platform.ScreenFake.PixelReads, 0);

    PaintUnderPointer(Qt::red);
    Tick();
    EXPECT_EQ(window.LblCurVal->text(), "#FF0000");
    EXPECT_EQ(Rows(), QStringList{"#FF0000"});
    EXPECT_EQ(Values(), QStringList{"255"});
    EXPECT_EQ(SampleColour(), QColor(Qt::red));
    EXPECT_EQ(window.ImgCopy->Picture().size(), QSize(51, 25));
}

TEST_F(PickLoopTest, ARestingPointerAddsOneRow) {
    StartPicking();
    PaintUnderPointer(QColor(10, 20, 30));
    for (int i = 0; i < 10; ++i)
        Tick();
    EXPECT_EQ(Rows().size(), 1);
    EXPECT_EQ(window.Current->Color(), PackRgb(10, 20, 30));
    EXPECT_EQ(platform.ScreenFake.PixelReads, 10);
}

TEST_F(PickLoopTest, APickedBlackPixelIsBlackNotASystemColour) {
    platform.ColoursFake.Colours[0] = PackRgb(255, 0, 0);
    StartPicking();
    PaintUnderPointer(Qt::black);
    Tick();
    EXPECT_EQ(window.LblCurVal->text(), "#000000");
    EXPECT_EQ(window.LblCurVal->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(SampleColour(), QColor(Qt::black));
}

TEST_F(PickLoopTest, RedBlueRedGivesThreeRowsNewestOnTop) {
    StartPicking();
    for (QColor colour : {QColor(Qt::red), QColor(Qt::blue), QColor(Qt::red)}) {
        PaintUnderPointer(colour);
        Tick();
        Tick();
    }
    EXPECT_EQ(Rows(), (QStringList{"#FF0000", "#0000FF", "#FF0000"}));
    EXPECT_EQ(Values(), (QStringList{"255", "16711680", "255"}));
    EXPECT_EQ(window.Current->Color(), 255);
}

TEST_F(PickLoopTest, TheColourOfTheFocusedRowChangesNothingEvenAfterAFormatSwitch) {
    StartPicking();
    PaintUnderPointer(Qt::red);
    Tick();
    window.CbColorValType->setCurrentIndex(1); // shows the current colour as "255,0,0"
    window.ImgCopy->Canvas().fill(Qt::green);  // so that a repaint would show
    Tick();
    EXPECT_EQ(window.LblCurVal->text(), "255,0,0");
    EXPECT_EQ(Rows(), QStringList{"#FF0000"});
    EXPECT_EQ(SampleColour(), QColor(Qt::green));
}

TEST_F(PickLoopTest, TheHundredthRowEmptiesTheList) {
    StartPicking();
    for (int i = 0; i < 99; ++i) {
        platform.ScreenFake.Pointer = {i, 0};
        Tick();
    }
    EXPECT_EQ(Rows().size(), 99);
    platform.ScreenFake.Pointer = {500, 7};
    Tick();
    EXPECT_TRUE(Rows().isEmpty());
    const ColorValue hundredth = PackRgb(500 & 255, 7, (1 << 4) | 0);
    EXPECT_EQ(window.Current->Color(), hundredth);
    Tick(); // the pointer still rests on it
    EXPECT_EQ(Rows().size(), 1);
    EXPECT_EQ(window.History->Model().FillColour(0), hundredth);
}

TEST_F(PickLoopTest, ClickingARowStopsPickingAndItsColourIsNotAddedAgain) {
    window.show();
    StartPicking();
    PaintUnderPointer(Qt::red);
    Tick();
    PaintUnderPointer(Qt::blue);
    Tick();
    ASSERT_EQ(Rows(), (QStringList{"#0000FF", "#FF0000"}));

    ClickHistoryRow(1);
    EXPECT_EQ(window.BtnStartGetColor->Tag, 0);
    EXPECT_EQ(window.BtnStartGetColor->GlyphName(), "ncStartGetColor");
    EXPECT_FALSE(window.TimerShowZoom->Enabled());
    EXPECT_TRUE(window.TimerGetColor->Enabled());
    EXPECT_TRUE(window.PnlColorPlatte->isVisible());
    EXPECT_FALSE(window.PnlZoom->isVisible());
    EXPECT_EQ(window.Current->Color(), 255);
    EXPECT_EQ(window.LblCurVal->text(), "#FF0000");
    EXPECT_EQ(SampleColour(), QColor(Qt::red));

    PaintUnderPointer(Qt::green);
    Tick(); // picking is off: nothing changes
    EXPECT_EQ(window.Current->Color(), 255);
    EXPECT_EQ(Rows().size(), 2);

    window.BtnStartGetColor->click();
    EXPECT_EQ(window.BtnStartGetColor->Tag, 1);
    EXPECT_TRUE(window.TimerShowZoom->Enabled());
    PaintUnderPointer(Qt::red);
    Tick(); // red is the clicked row's colour
    EXPECT_EQ(Rows().size(), 2);
}

TEST_F(PickLoopTest, AfterAClickARestingPointerStillAddsOneRow) {
    window.show();
    for (int clicked : {0, 2}) {
        StartPicking();
        window.History->Model().Clear();
        for (QColor colour : {QColor(Qt::red), QColor(Qt::blue), QColor(Qt::green)}) {
            PaintUnderPointer(colour);
            Tick();
        }
        ClickHistoryRow(clicked);
        window.BtnStartGetColor->click();
        PaintUnderPointer(Qt::yellow);
        for (int i = 0; i < 5; ++i)
            Tick();
        EXPECT_EQ(Rows(), (QStringList{"#FFFF00", "#00FF00", "#0000FF", "#FF0000"})) << "row " << clicked;
        window.FirstTick = true;
    }
}

TEST_F(PickLoopTest, AFailingTickStopsBothTimersAndTwoClicksRestartThem) {
    StartPicking();
    window.History->Model().Clear();
    window.History->Model().SetRows(ListEntries::FromTexts({"a row read from a file"})); // no value beside it
    Tick();
    EXPECT_FALSE(window.TimerGetColor->Enabled());
    EXPECT_FALSE(window.TimerShowZoom->Enabled());
    EXPECT_EQ(window.BtnStartGetColor->Tag, 1);
    EXPECT_EQ(window.BtnStartGetColor->GlyphName(), "cStartGetColor");

    window.BtnStartGetColor->click();
    EXPECT_TRUE(window.TimerGetColor->Enabled());
    EXPECT_FALSE(window.TimerShowZoom->Enabled());
    window.BtnStartGetColor->click();
    EXPECT_TRUE(window.TimerGetColor->Enabled());
    EXPECT_TRUE(window.TimerShowZoom->Enabled());
}

TEST_F(PickLoopTest, AFocusedRowWhoseValueIsNoNumberEndsTheTick) {
    StartPicking();
    window.History->Model().InsertTop("odd", "not a number");
    PaintUnderPointer(Qt::red);
    Tick();
    EXPECT_EQ(Rows().size(), 1);
    EXPECT_TRUE(window.TimerGetColor->Enabled());
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
        QApplication::processEvents();
    }
    EXPECT_GE(ticks, 2);
}

} // namespace
