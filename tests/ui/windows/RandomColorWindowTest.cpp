#include "../ProgramFixture.h"

#include "ui/controls/SpeedButton.h"
#include "ui/windows/ColorSwatch.h"
#include "ui/windows/RandomColorWindow.h"

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

class RandomColorWindowTest : public ProgramFixture, public testing::Test {
protected:
    RandomColorWindowTest() {
        window.show();
        StartPicking();
    }

    // Opens the window from the menu and does what the user does while it is open.
    void OpenAndThen(std::function<void(RandomColorWindow&)> act) {
        QTimer::singleShot(0, [this, act] {
            RandomColorWindow& form = *Find<RandomColorWindow>("TRndLabColForm");
            act(form);
            if (form.isVisible())
                form.close();
        });
        Action("N9")->trigger();
    }

    static QList<ColorValue> Colors(const RandomColorWindow& form) {
        QList<ColorValue> colors;
        for (const ColorSwatch* swatch : form.Swatches())
            colors << swatch->Color();
        return colors;
    }

    static void Pick(ColorSwatch* swatch) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(swatch, &enter);
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent click(type, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(swatch, &click);
        }
    }
};

TEST_F(RandomColorWindowTest, SixtyFiveSwatchesInARowOfRandomColors) {
    OpenAndThen([](RandomColorWindow& form) {
        EXPECT_EQ(form.size(), QSize(729, 108));
        EXPECT_EQ(form.windowTitle(), "随机颜色");
        EXPECT_EQ(form.findChild<QLabel*>("LblRandomSelectColor")->text(),
                  "鼠标点击下面任一颜色，可取色并退回主窗体");
        for (int i = 0; i < RandomColorWindow::SwatchCount; ++i)
            EXPECT_EQ(form.Swatches()[i]->geometry(), QRect(8 + 11 * i, 48, 10, 50)) << i;
        EXPECT_EQ(form.Swatches()[64]->geometry().right() + 1, 722);
        QSet<ColorValue> distinct;
        for (ColorValue color : Colors(form)) {
            EXPECT_GE(color, 0);
            EXPECT_LE(color, ColorWhite);
            distinct << color;
        }
        EXPECT_GT(distinct.size(), 60); // 65 draws from 16.7 million colours barely ever repeat
    });
}

TEST_F(RandomColorWindowTest, ReopeningShowsTheSameColorsUntilNewOnesAreDealt) {
    QList<ColorValue> first, second, dealt;
    OpenAndThen([&](RandomColorWindow& form) { first = Colors(form); });
    OpenAndThen([&](RandomColorWindow& form) {
        second = Colors(form);
        form.findChild<SpeedButton*>("BtnChangeRandomColor")->click();
        dealt = Colors(form);
    });
    EXPECT_EQ(first, second);
    EXPECT_NE(dealt, second);
}

TEST_F(RandomColorWindowTest, ClosingWithoutAColorChangesNothing) {
    PaintUnderPointer(QColor(10, 20, 30));
    Tick();
    platform.ClipboardFake.Writes.clear();
    OpenAndThen([](RandomColorWindow& form) { form.findChild<SpeedButton*>("BtnClose")->click(); });
    OpenAndThen([](RandomColorWindow& form) { form.close(); }); // the close box
    EXPECT_EQ(picker.Current.Color(), PackRgb(10, 20, 30));
    EXPECT_TRUE(platform.ClipboardFake.Writes.empty());
    EXPECT_FALSE(picker.Picking.PickingOn()); // picking stays off
}

TEST_F(RandomColorWindowTest, AClickedSwatchBecomesTheCurrentColorAndIsCopied) {
    OpenAndThen([&](RandomColorWindow& form) {
        form.Swatches()[40]->SetColor(5649426);
        Pick(form.Swatches()[40]);
        EXPECT_FALSE(form.isVisible());
    });
    EXPECT_EQ(picker.Current.Color(), 5649426);
    EXPECT_EQ(platform.ClipboardFake.LastText(), "#123456");
    EXPECT_FALSE(picker.Picking.PickingOn());
    EXPECT_FALSE(picker.Picking.TimerShowZoom.Enabled());
}

TEST_F(RandomColorWindowTest, FromTheKeyboardASwatchIsPreviewedByTabAndTakenWithSpace) {
    OpenAndThen([&](RandomColorWindow& form) {
        ColorSwatch* swatch = form.Swatches()[40];
        swatch->SetColor(5649426);
        EXPECT_EQ(swatch->accessibleName(), "颜色 #123456");
        QFocusEvent tabbedTo(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(swatch, &tabbedTo);
        EXPECT_EQ(form.PreviewColor(), 5649426);
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(swatch, &space);
        EXPECT_FALSE(form.isVisible());
    });
    EXPECT_EQ(picker.Current.Color(), 5649426);
    EXPECT_EQ(platform.ClipboardFake.LastText(), "#123456");
}

} // namespace
