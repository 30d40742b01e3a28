#include "../ProgramFixture.h"

#include "core/picker/MagnifierGeometry.h"
#include "ui/controls/CentredText.h"
#include "ui/controls/ImageControl.h"
#include "ui/controls/SpeedButton.h"
#include "ui/picker/MagnifierPanel.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QSlider>

#include <gtest/gtest.h>

namespace {

class MagnifierTest : public ProgramFixture, public testing::Test {
protected:
    MagnifierTest() {
        window.show();
        StartPicking();
    }

    // Makes the view viewWidth wide (it keeps 174 rows).
    void SetViewWidth(int viewWidth) {
        window.resize(498 - 367 + viewWidth, 600);
        window.layout()->activate();
        ASSERT_EQ(Find("ImgZoom")->size(), QSize(viewWidth, 174));
    }

    const QImage& View() { return Find<ImageControl>("ImgZoom")->Picture(); }

    // Checks every pixel of the view: the stretched source, with the arms of the cross-hair in black
    // where they fall inside the view. Stretched as one copy does it, each view pixel showing the source
    // pixel its own place falls in: view column x shows source column x * source width / view width.
    void ExpectView(ScreenRect source, int centreX, int centreY) {
        const QImage& view = View();
        ASSERT_EQ(view.size(), Find("ImgZoom")->size() * view.devicePixelRatio());
        const int armX = view.width() / 4, armY = view.height() / 4;
        int wrong = 0;
        for (int y = 0; y < view.height(); ++y)
            for (int x = 0; x < view.width(); ++x) {
                const bool onArm = (y == centreY && x >= centreX - armX && x < centreX + armX) ||
                                   (x == centreX && y >= centreY - armY && y < centreY + armY);
                const QRgb expected = onArm ? qRgb(0, 0, 0)
                                            : ScreenPixel(source.Left + x * source.Width() / view.width(),
                                                          source.Top + y * source.Height() / view.height());
                if (view.pixel(x, y) != expected && ++wrong <= 5)
                    ADD_FAILURE() << "view pixel " << x << "," << y;
            }
        EXPECT_EQ(wrong, 0);
    }

    QString Hint() { return Find<CentredText>("LblHnit")->Text(); }

    void ZoomTick(QPoint pointer) {
        screen.Pointer = pointer;
        Find<MagnifierPanel>("PnlZoom")->TimerShowZoomTimer();
    }
};

TEST_F(MagnifierTest, PointerAtTheTopLeftCorner) {
    SetViewWidth(360);
    ZoomTick({0, 0});
    ExpectView({0, 0, 180, 88}, 0, 0);
    EXPECT_EQ(View().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(View().pixel(89, 0), qRgb(0, 0, 0));
    EXPECT_NE(View().pixel(90, 0), qRgb(0, 0, 0));    // the arm's end point is not set
    EXPECT_EQ(View().pixel(2, 2), ScreenPixel(1, 1)); // each screen pixel shows as 2 by 2
    EXPECT_EQ(Hint(), "当前位置x=0,y=0");
}

TEST_F(MagnifierTest, PointerAtTheBottomRightPixel) {
    SetViewWidth(360);
    ZoomTick({1919, 1079});
    ExpectView({1740, 992, 1920, 1080}, 358, 174);
    EXPECT_EQ(View().pixel(358, 131), qRgb(0, 0, 0));
    EXPECT_NE(View().pixel(358, 130), qRgb(0, 0, 0));
}

TEST_F(MagnifierTest, PointerOnAMonitorLeftOfThePrimaryScreen) {
    SetViewWidth(360);
    ZoomTick({-100, 500});
    ExpectView({0, 456, 180, 544}, -200, 88); // no part of the cross-hair inside
    EXPECT_EQ(Hint(), "当前位置x=-100,y=500");
}

TEST_F(MagnifierTest, LevelFourInTheMiddle) {
    SetViewWidth(360);
    for (int i = 0; i < 3; ++i)
        Find<SpeedButton>("BtnZoomIn")->click();
    ZoomTick({960, 540});
    ExpectView({938, 529, 982, 551}, 176, 88);
}

// A pick can read the mean of the square round the pointer, chosen in the menu; the magnifier outlines
// the square.
TEST_F(MagnifierTest, AnAreaSampleReadsTheSquaresMeanAndIsOutlined) {
    SetViewWidth(360);
    window.findChild<QAction*>("MnSample3")->trigger();
    screen.Pointer = {255, 50}; // reds 254, 255 and 0 side by side; blue 16 in the column right of them
    Tick();
    EXPECT_EQ(Rows().value(0), "#AA3205");
    ZoomTick({960, 540});
    // A screen pixel shows as 2 by 2 round the centre (180, 88): the square's outline is 6 wide.
    EXPECT_EQ(View().pixel(178, 90), qRgb(0, 0, 0));
    EXPECT_EQ(View().pixel(183, 90), qRgb(0, 0, 0));
    EXPECT_NE(View().pixel(179, 90), qRgb(0, 0, 0));
}

TEST_F(MagnifierTest, AViewOf359Columns) {
    SetViewWidth(359);
    ZoomTick({960, 540});
    ExpectView({870, 496, 1050, 584}, 180, 88);
    EXPECT_EQ(View().pixel(180 - 89, 88), qRgb(0, 0, 0));
    EXPECT_NE(View().pixel(180 + 89, 88), qRgb(0, 0, 0));
}

TEST_F(MagnifierTest, OverTheMainWindowTheHintStandsOverTheLastPicture) {
    SetViewWidth(360);
    ZoomTick({960, 540});
    const QImage enlarged = View();
    const QRect frame = window.frameGeometry();
    ZoomTick(frame.topLeft()); // the left and top edges count as inside
    const QImage hinted = View();
    int red = 0, changed = 0;
    for (int y = 0; y < hinted.height(); ++y)
        for (int x = 0; x < hinted.width(); ++x) {
            const QColor c = hinted.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
            changed += hinted.pixel(x, y) != enlarged.pixel(x, y);
        }
    EXPECT_GT(red, 100);
    EXPECT_EQ(hinted.pixel(359, 173), enlarged.pixel(359, 173)); // not cleared first
    EXPECT_LT(changed, 360 * 174 / 2);
    EXPECT_EQ(Hint(), QString("当前位置x=%1,y=%2").arg(frame.left()).arg(frame.top()));

    // The column just right of the window and the row just below it are outside.
    ZoomTick({frame.left() + frame.width(), frame.top()});
    EXPECT_NE(View(), hinted);
}

// A resting pointer over a still screen costs no read; drawing in the part the view shows is seen at
// the next tick, and drawing elsewhere (such as the program's own windows) is not.
TEST_F(MagnifierTest, OnlyDrawingInTheEnlargedPartIsReadAgain) {
    SetViewWidth(360);
    auto* panel = Find<MagnifierPanel>("PnlZoom");
    ZoomTick({960, 540}); // shows (870, 496) to (1050, 584)
    const int grabs = screen.Grabs;
    EXPECT_FALSE(panel->TimerShowZoomTimer());
    EXPECT_EQ(screen.Grabs, grabs);

    screen.Drawn = QRect(0, 0, 500, 500);
    EXPECT_FALSE(panel->TimerShowZoomTimer());
    EXPECT_EQ(screen.Grabs, grabs);

    screen.Screen.setPixel(1049, 583, qRgb(1, 2, 3)); // the bottom-right pixel shown
    screen.Drawn = QRect(1049, 583, 1, 1);
    EXPECT_TRUE(panel->TimerShowZoomTimer());
    EXPECT_EQ(View().pixel(359, 173), qRgb(1, 2, 3));

    screen.Drawn = QRect(1049, 583, 1, 1); // drawn again, the same
    EXPECT_FALSE(panel->TimerShowZoomTimer());
    EXPECT_EQ(screen.Grabs, grabs + 2);
}

TEST_F(MagnifierTest, AMinimisedProgramOnlyUpdatesThePosition) {
    SetViewWidth(360);
    ZoomTick({960, 540});
    const QImage before = View();
    platform.WindowsFake.Minimised = true;
    ZoomTick({10, 10});
    EXPECT_EQ(View(), before);
    EXPECT_EQ(Hint(), "当前位置x=10,y=10");
}

// On a scaled screen too (this test runs again at 1.5 device pixels to the pixel): the view is drawn in
// device pixels, each screen pixel an exact block of them.
TEST_F(MagnifierTest, EachScreenPixelIsAnExactBlockOfDevicePixels) {
    // The view of 367 by 174 is 551 by 261 device pixels at 1.5; the pointer rests at (700, 400).
    const struct {
        qreal Scale;
        int Level;
        QSize View;
        ScreenRect Source;
        int CentreX, CentreY;
    } cases[] = {
        {1, 1, {367, 174}, {608, 356, 792, 444}, 184, 88},    // half sizes 92 and 44 (43.5)
        {1, 3, {367, 174}, {669, 386, 731, 414}, 186, 84},    // 31 and 14 (14.5)
        {1.5, 1, {551, 261}, {562, 335, 838, 465}, 276, 130}, // 138 and 65
        {1.5, 3, {551, 261}, {654, 378, 746, 422}, 276, 132}, // 46 and 22
    };
    const qreal scale = Find("ImgZoom")->devicePixelRatioF();
    int level = 1, checked = 0;
    for (const auto& c : cases) {
        if (c.Scale != scale)
            continue;
        SCOPED_TRACE(testing::Message() << "scale " << c.Scale << " level " << c.Level);
        for (; level < c.Level; ++level)
            Find<SpeedButton>("BtnZoomIn")->click();
        ZoomTick({700, 400});
        EXPECT_EQ(View().size(), c.View);
        ExpectView(c.Source, c.CentreX, c.CentreY);
        ++checked;
    }
    EXPECT_EQ(checked, 2) << "no case for " << scale << " device pixels to the pixel";
}

TEST_F(MagnifierTest, AScreenThatCannotBeReadKeepsTheLastPictureAndSaysSo) {
    SetViewWidth(360);
    ZoomTick({960, 540});
    const QImage before = View();
    screen.Unreadable = true;
    ZoomTick({10, 10});
    EXPECT_EQ(View(), before);
    EXPECT_EQ(Hint(), "当前位置x=10,y=10，此处无法读取屏幕上的颜色");
}

// Until a desktop that shares its screen on request says where the pointer is, there is no position to
// show: the hint line keeps what it says of the wait.
TEST_F(MagnifierTest, UntilThePointerIsKnownTheHintLineKeepsItsWord) {
    SetViewWidth(360);
    ZoomTick({960, 540});
    const QImage before = View();
    picker.SetHint("桌面将询问是否允许本程序读取屏幕，以便取色");
    screen.PointerUnknown = true;
    ZoomTick({0, 0});
    EXPECT_EQ(Hint(), "桌面将询问是否允许本程序读取屏幕，以便取色");
    EXPECT_EQ(View(), before);
}

// Where the desktop keeps the window's place to itself, the window's place reads as the corner: the
// screen there is enlarged like any other.
TEST_F(MagnifierTest, WhereWindowPlacesAreUnknownTheWindowIsNotToldApart) {
    SetViewWidth(360);
    platform.WindowsFake.Placed = false;
    ZoomTick(window.frameGeometry().topLeft() + QPoint(5, 5));
    int red = 0;
    for (int y = 0; y < View().height(); ++y)
        for (int x = 0; x < View().width(); ++x) {
            const QColor c = View().pixelColor(x, y);
            red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
        }
    EXPECT_EQ(red, 0);
}

TEST_F(MagnifierTest, ZoomButtonsStepThroughTwoToEightTimes) {
    EXPECT_EQ(Find<QLabel>("LblZoomBei")->text(), "2");
    Find<SpeedButton>("BtnZoomout")->click();
    EXPECT_EQ(Find<QSlider>("Slider")->value(), 1);
    EXPECT_EQ(Find<QLabel>("LblZoomBei")->text(), "2");
    Find<SpeedButton>("BtnZoomIn")->click();
    EXPECT_EQ(Find<QLabel>("LblZoomBei")->text(), "4");
    for (int i = 0; i < 5; ++i)
        Find<SpeedButton>("BtnZoomIn")->click();
    EXPECT_EQ(Find<QSlider>("Slider")->value(), 4);
    EXPECT_EQ(Find<QLabel>("LblZoomBei")->text(), "8");
    Find<SpeedButton>("BtnZoomout")->click();
    EXPECT_EQ(Find<QLabel>("LblZoomBei")->text(), "6");
}

TEST_F(MagnifierTest, SwitchingPickingSwapsThePanelsAndKeepsTheLevel) {
    Find<SpeedButton>("BtnZoomIn")->click();
    Find<SpeedButton>("BtnStartGetColor")->click();
    EXPECT_TRUE(Find("PnlColorPlatte")->isVisible());
    EXPECT_FALSE(Find("PnlZoom")->isVisible());
    EXPECT_FALSE(picker.Picking.TimerShowZoom.Enabled());
    EXPECT_EQ(Find<ImageControl>("ImgTiaosheBoard")->Picture().size(), QSize(248, 142));
    Find<SpeedButton>("BtnStartGetColor")->click();
    EXPECT_TRUE(Find("PnlZoom")->isVisible());
    EXPECT_FALSE(Find("PnlColorPlatte")->isVisible());
    EXPECT_TRUE(Find<ImageControl>("ImgTiaosheBoard")->Picture().isNull()); // not kept while hidden
    EXPECT_EQ(Find<QSlider>("Slider")->value(), 2);
}

} // namespace

TEST_F(MagnifierTest, WhilePickingTheArrowKeysAimOneDevicePixelAndEnterCopies) {
    QWidget* view = Find("ImgZoom");
    EXPECT_EQ(window.focusWidget(), view); // picking on gives the view the keyboard
    screen.Pointer = {300, 40};
    const struct {
        int Key;
        Qt::KeyboardModifiers Modifiers;
        QPoint Then;
    } steps[] = {{Qt::Key_Right, Qt::NoModifier, {301, 40}},   {Qt::Key_Down, Qt::ShiftModifier, {301, 50}},
                 {Qt::Key_Left, Qt::NoModifier, {300, 50}},    {Qt::Key_Up, Qt::ShiftModifier, {300, 40}},
                 {Qt::Key_Left, Qt::ShiftModifier, {290, 40}}, {Qt::Key_Right, Qt::NoModifier, {291, 40}}};
    for (const auto& step : steps) {
        Press(view, step.Key, step.Modifiers);
        EXPECT_EQ(screen.Pointer, step.Then) << step.Key;
    }
    Press(view, Qt::Key_Return);
    EXPECT_EQ(Rows().value(0), "#232810"); // red 291 & 255, green 40, blue 1 << 4
    EXPECT_EQ(platform.ClipboardFake.LastText(), "#232810");

    platform.AimFake.Refuses = true; // a desktop that keeps the pointer to the user's hand
    Press(view, Qt::Key_Right);
    EXPECT_EQ(screen.Pointer, QPoint(291, 40));
    EXPECT_EQ(Hint(), "此桌面不让程序移动鼠标，请用鼠标对准");
}

// The strip keeps only its picture's file, and shows it as the whole picture does.
TEST_F(MagnifierTest, TheStripShowsItsPictureAsTheWholePictureWould) {
    auto* strip = Find<ImageControl>("ImgZoomBG");
    ImageControl whole;
    ASSERT_TRUE(whole.LoadJpegResource("ImgZoomBG", "jpg"));
    whole.resize(strip->size());
    EXPECT_TRUE(strip->Picture().isNull());
    const auto drawn = [](QWidget& control) { // the picture alone, without the buttons on it
        const qreal scale = control.devicePixelRatioF();
        QImage image((QSizeF(control.size()) * scale).toSize(), QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::white);
        control.render(&image, {}, {}, QWidget::RenderFlags());
        return image;
    };
    EXPECT_EQ(drawn(*strip), drawn(whole));
}
