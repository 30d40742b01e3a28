#include "ui/picker/TFrmScreenColor.h"
#include "core/colour/CurrentColour.h"
#include "ui/picker/DockSplitter.h"
#include "ui/picker/ImageControl.h"
#include "ui/picker/SpeedButton.h"
#include "platform/fake/FakePlatform.h"

#include "core/picker/Timer.h"
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSlider>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class MainWindowTest : public testing::Test {
protected:
    FakePlatform platform;
    TFrmScreenColor window{platform};
};

TEST_F(MainWindowTest, TitleCaptionAndPlacement) {
    EXPECT_EQ(QApplication::applicationName(), "Tintra");
    EXPECT_EQ(window.windowTitle(), "Tintra1.6");
    EXPECT_EQ(window.geometry(), QRect(20, 10, 498, 600));
}

TEST_F(MainWindowTest, RegionsSitWhereTheyBelong) {
    const struct {
        const char* Name;
        QWidget* Widget;
        QRect Geometry; // relative to the parent
    } cases[] = {
        {"PnlTop", window.PnlTop, {0, 0, 498, 12}},
        {"ImgLeft", window.ImgLeft, {0, 12, 7, 577}},
        {"ImgRight", window.ImgRight, {485, 12, 13, 577}},
        {"Panel12", window.Panel12, {0, 589, 498, 11}},
        {"PnlBottom", window.PnlBottom, {7, 553, 478, 36}},
        {"SbCenter", window.SbCenter, {7, 12, 478, 541}},
        {"SbAvert", window.SbAvert, {0, 0, 478, 60}},
        {"ScrollBox1", window.ScrollBox1, {0, 60, 109, 481}},
        {"SbMain", window.SbMain, {109, 60, 369, 481}},
        {"PnlTopPan", window.PnlTopPan, {0, 280, 369, 201}},
        {"Splitter1", window.Splitter1, {0, 274, 369, 6}},
        {"Panel2", window.Panel2, {0, 0, 369, 274}},
        {"Panel4", window.Panel4, {0, 240, 369, 34}},
        {"PnlFavColor", window.PnlFavColor, {189, 0, 180, 240}},
        {"Panel5", window.Panel5, {0, 0, 189, 240}},
        {"ImgColorList", window.ImgColorList, {0, 0, 189, 20}},
        {"ImgColorFavList", window.ImgColorFavList, {0, 0, 180, 22}},
        {"LblCurVal", window.LblCurVal, {101, 4, 340, 23}},
        {"ImgZoomBG", window.ImgZoomBG, {0, 0, 367, 25}},
        {"ImgZoom", window.ImgZoom, {0, 25, 367, 174}},
        {"SbR", window.SbR, {50, 38, 185, 20}},
        {"SbG", window.SbG, {50, 66, 185, 20}},
        {"SbB", window.SbB, {50, 101, 185, 20}},
        {"LblR", window.LblR, {250, 41, 24, 15}},
        {"LblG", window.LblG, {250, 69, 24, 15}},
        {"LblB", window.LblB, {41, 86, 24, 15}},
        {"ImgCopy", window.ImgCopy, {174, 10, 51, 25}},
        {"BtnZoomout", window.BtnZoomout, {81, 3, 19, 18}},
        {"BtnZoomIn", window.BtnZoomIn, {101, 3, 19, 17}},
        {"LblZoomBei", window.LblZoomBei, {154, 5, 16, 15}},
        {"LbCurColor", window.LbCurColor, {9, 121, 60, 15}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.Widget->geometry(), c.Geometry) << c.Name;
    EXPECT_FALSE(window.ImgCopy->isVisible());
    EXPECT_FALSE(window.GroupBox1->isVisible());
}

TEST_F(MainWindowTest, ButtonColumn) {
    const struct {
        const char* Name;
        QWidget* Widget;
        QRect Geometry;
        const char* Hint;
    } cases[] = {
        {"BtnColorPre", window.BtnColorPre, {6, 1, 86, 22}, "带颜色前缀"},
        {"CbColorValType", window.CbColorValType, {5, 25, 90, 23}, "取色的格式"},
        {"LbPasteType", window.LbPasteType, {4, 48, 92, 31}, "自动把颜色数值或颜色样图放入剪贴板"},
        {"BtnStartGetColor", window.BtnStartGetColor, {2, 79, 102, 26}, ""},
        {"BtnCopyColor", window.BtnCopyColor, {2, 106, 102, 26}, "复制颜色"},
        {"BtnAddColorFav", window.BtnAddColorFav, {2, 133, 102, 26}, "加颜色到收藏夹"},
        {"BtnOtherFun", window.BtnOtherFun, {2, 162, 102, 26}, ""},
        {"BtnSCHelpDoc", window.BtnSCHelpDoc, {2, 190, 102, 26}, ""},
        {"BtnSCExit", window.BtnSCExit, {2, 219, 102, 26}, ""},
        {"BtnAlwaysOnTop", window.BtnAlwaysOnTop, {2, 246, 102, 26}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.Widget->geometry(), c.Geometry) << c.Name;
        EXPECT_EQ(c.Widget->toolTip(), QString::fromUtf8(c.Hint)) << c.Name;
    }
    ASSERT_EQ(window.LbPasteType->count(), 2);
    EXPECT_EQ(window.LbPasteType->item(0)->text(), "剪贴颜色数值");
    EXPECT_EQ(window.LbPasteType->item(1)->text(), "剪贴颜色样图");
    EXPECT_EQ(window.LbPasteType->currentRow(), 0);
    EXPECT_EQ(window.LbPasteType->font().pixelSize(), 13);
    EXPECT_EQ(window.LblCurVal->font().pixelSize(), 20);
    EXPECT_TRUE(window.LblCurVal->isReadOnly());
    EXPECT_EQ(window.LblCurVal->text(), "_____");
    EXPECT_EQ(window.CbColorValType->currentIndex(), 0);
    // Every glyph of the column is loaded at its picture's size.
    for (SpeedButton* button : {window.BtnCopyColor, window.BtnAddColorFav, window.BtnOtherFun,
                                window.BtnSCHelpDoc, window.BtnSCExit})
        EXPECT_EQ(button->Glyph().size(), QSize(103, 25));
    EXPECT_TRUE(window.BtnStartGetColor->Glyph().isNull()); // its first picture comes with the first pick
}

TEST_F(MainWindowTest, MenusTimersAndZoomStore) {
    auto captions = [](QMenu* menu) {
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << action->text();
        return texts;
    };
    EXPECT_EQ(captions(window.pmColorList), QStringList{"删除所有颜色"});
    EXPECT_EQ(captions(window.PmFav), (QStringList{"删除收藏的颜色", "删除所有收藏颜色"}));
    EXPECT_EQ(captions(window.MnOtherFunButton),
              (QStringList{"删除所有颜色", "打开颜色", "清除收藏", "颜色另存为", "随机取色", "关于"}));

    const struct {
        Timer* Which;
        int Interval;
        bool Enabled;
    } timers[] = {{window.TimerGetColor, 1000, true},
                  {window.TimerShowZoom, 25, false},
                  {window.TimerFirstRun, 1000, true},
                  {window.TimerCheckTopBrowser, 1000, false}};
    for (const auto& t : timers) {
        EXPECT_EQ(t.Which->Interval(), t.Interval);
        EXPECT_EQ(t.Which->Enabled(), t.Enabled);
    }

    EXPECT_EQ(window.GroupBox1->title(), "放大倍数");
    EXPECT_EQ(window.Slider->minimum(), 1);
    EXPECT_EQ(window.Slider->maximum(), 4);
    EXPECT_EQ(window.Slider->value(), 1);
    EXPECT_EQ(window.LblZoomBei->text(), "2");
    EXPECT_TRUE(window.LblZoomBei->font().bold());
    EXPECT_EQ(TFrmScreenColor::ColorListFilter, "颜色列表文件(*.colors)|*.colors");
}

TEST_F(MainWindowTest, OtherFunctionsMenuOpensBesideItsButton) {
    EXPECT_EQ(window.OtherFunMenuPoint(), QPoint(124, 292));
    window.BtnOtherFun->click();
    EXPECT_TRUE(window.MnOtherFunButton->isVisible());
    EXPECT_EQ(window.MnOtherFunButton->pos(), QPoint(124, 292));
    window.MnOtherFunButton->close();
}

TEST_F(MainWindowTest, ResizeKeepsTheLinkLabel200PixelsFromTheRight) {
    window.show();
    window.move(20, 10);
    window.resize(400, 600);
    window.resize(498, 600);
    EXPECT_EQ(window.LblQuilloURL->x(), 318);
    window.move(100, 10);
    window.resize(600, 600);
    EXPECT_EQ(window.LblQuilloURL->x(), 500);
}

TEST_F(MainWindowTest, SplitterResizesTheToolPanel) {
    window.show();
    QWidget* splitter = window.Splitter1;
    const QPoint start = splitter->rect().center();
    auto mouse = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, splitter->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(splitter, &event);
    };
    mouse(QEvent::MouseButtonPress, start, Qt::LeftButton);
    mouse(QEvent::MouseMove, start - QPoint(0, 40), Qt::LeftButton);
    window.SbMain->layout()->activate();
    EXPECT_EQ(window.PnlTopPan->height(), 241);
    mouse(QEvent::MouseMove, start + QPoint(0, 1000), Qt::LeftButton);
    window.SbMain->layout()->activate();
    EXPECT_EQ(window.PnlTopPan->height(), DockSplitter::MinSize);
}

TEST_F(MainWindowTest, FirstStartIsAlwaysOnTopWithThePrefixOn) {
    EXPECT_EQ(window.BtnAlwaysOnTop->Tag, 1);
    EXPECT_EQ(window.BtnAlwaysOnTop->GlyphName(), "cAlwaysOnTop");
    EXPECT_EQ(window.BtnAlwaysOnTop->Glyph().size(), QSize(97, 19));
    EXPECT_TRUE(platform.WindowsFake.Topmost.at(&window));
    EXPECT_EQ(window.BtnColorPre->Tag, 0);
    EXPECT_EQ(window.BtnColorPre->GlyphName(), "ccolorpre");
    EXPECT_EQ(window.BtnColorPre->Glyph().size(), QSize(83, 19));
}

TEST_F(MainWindowTest, TwoClicksOnAlwaysOnTopRestoreTagPictureAndBand) {
    const QImage onPicture = window.BtnAlwaysOnTop->Glyph().toImage();
    window.BtnAlwaysOnTop->click();
    EXPECT_EQ(window.BtnAlwaysOnTop->Tag, 0);
    EXPECT_EQ(window.BtnAlwaysOnTop->GlyphName(), "ncAlwaysOnTop");
    EXPECT_NE(window.BtnAlwaysOnTop->Glyph().toImage(), onPicture);
    EXPECT_FALSE(platform.WindowsFake.Topmost.at(&window));
    window.BtnAlwaysOnTop->click();
    EXPECT_EQ(window.BtnAlwaysOnTop->Tag, 1);
    EXPECT_EQ(window.BtnAlwaysOnTop->Glyph().toImage(), onPicture);
    EXPECT_TRUE(platform.WindowsFake.Topmost.at(&window));
    EXPECT_EQ(platform.WindowsFake.Calls, 3); // the first start's click and these two
}

TEST_F(MainWindowTest, PrefixButtonTakesItsPictureWithItsState) {
    window.BtnColorPre->click();
    EXPECT_EQ(window.BtnColorPre->Tag, 1);
    EXPECT_EQ(window.BtnColorPre->GlyphName(), "nccolorpre"); // the empty box goes with Tag 1 here
    window.Current->ShowAsCurrentColor(15785160);
    window.CbColorValType->setCurrentIndex(2);
    EXPECT_EQ(window.LblCurVal->text(), "00F0DCC8");
}

// A control whose handler fails.
class Failing : public QObject {
public:
    bool event(QEvent*) override { throw std::runtime_error("a handler failed"); }
};

TEST(TintraApplication, AFailingHandlerShowsNoDialogAndTheProgramGoesOn) {
    FakePlatform platform;
    TFrmScreenColor window(platform);
    window.show();
    Failing failing;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QApplication::sendEvent(&failing, &event));
    QApplication::processEvents();
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_FALSE(widget->isVisible() && qobject_cast<QDialog*>(widget))
            << widget->metaObject()->className();
    EXPECT_TRUE(window.isVisible());
    window.BtnAlwaysOnTop->click(); // still answering
    EXPECT_EQ(window.BtnAlwaysOnTop->Tag, 0);
}

TEST(TintraApplication, QtsOwnDialogsSpeakChinese) {
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "查找范围：");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "取消");
}

} // namespace
