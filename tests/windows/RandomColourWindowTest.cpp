#include "../picker/PickingFixture.h"

#include "core/colour/CurrentColour.h"
#include "ui/picker/SpeedButton.h"
#include "core/picker/Timer.h"
#include "ui/windows/TRndLabColForm.h"

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

class RandomColourWindowTest : public PickingFixture, public testing::Test {
protected:
    RandomColourWindowTest() {
        window.show();
        StartPicking();
    }

    // Opens the window from the menu and does what the user does while it is open.
    void OpenAndThen(std::function<void(TRndLabColForm&)> act) {
        QTimer::singleShot(0, [this, act] {
            TRndLabColForm& form = *window.RndLabColForm;
            act(form);
            if (form.isVisible())
                form.close();
        });
        window.N9->trigger();
    }

    static QList<ColorValue> Colours(const TRndLabColForm& form) {
        QList<ColorValue> colours;
        for (const ColourSwatch* swatch : form.RandomLabels)
            colours << swatch->Color();
        return colours;
    }

    static void Pick(ColourSwatch* swatch) {
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

TEST_F(RandomColourWindowTest, SixtyFiveSwatchesInARowOfRandomColours) {
    OpenAndThen([](TRndLabColForm& form) {
        EXPECT_EQ(form.size(), QSize(729, 108));
        EXPECT_EQ(form.windowTitle(), "随机颜色");
        EXPECT_EQ(form.LblRandomSelectColor->text(), "鼠标点击下面任一颜色，可取色并退回主窗体");
        for (int i = 0; i < TRndLabColForm::SwatchCount; ++i)
            EXPECT_EQ(form.RandomLabels[i]->geometry(), QRect(8 + 11 * i, 48, 10, 50)) << i;
        EXPECT_EQ(form.RandomLabels[64]->geometry().right() + 1, 722);
        QSet<ColorValue> distinct;
        for (ColorValue colour : Colours(form)) {
            EXPECT_GE(colour, 0);
            EXPECT_LE(colour, ColorWhite);
            distinct << colour;
        }
        EXPECT_GT(distinct.size(), 60); // 65 draws from 16.7 million colours barely ever repeat
    });
}

TEST_F(RandomColourWindowTest, ReopeningShowsTheSameColoursUntilNewOnesAreDealt) {
    QList<ColorValue> first, second, dealt;
    OpenAndThen([&](TRndLabColForm& form) { first = Colours(form); });
    OpenAndThen([&](TRndLabColForm& form) {
        second = Colours(form);
        form.BtnChangeRandomColor->click();
        dealt = Colours(form);
    });
    EXPECT_EQ(first, second);
    EXPECT_NE(dealt, second);
}

TEST_F(RandomColourWindowTest, ClosingWithoutAColourChangesNothing) {
    PaintUnderPointer(QColor(10, 20, 30));
    Tick();
    platform.ClipboardFake.Writes.clear();
    OpenAndThen([](TRndLabColForm& form) { form.BtnClose->click(); });
    OpenAndThen([](TRndLabColForm& form) { form.close(); }); // the close box
    EXPECT_EQ(window.Current->Color(), PackRgb(10, 20, 30));
    EXPECT_TRUE(platform.ClipboardFake.Writes.empty());
    EXPECT_EQ(window.BtnStartGetColor->Tag, 0); // picking stays off
}

TEST_F(RandomColourWindowTest, AClickedSwatchBecomesTheCurrentColourAndIsCopied) {
    OpenAndThen([&](TRndLabColForm& form) {
        form.RandomLabels[40]->SetColor(5649426);
        Pick(form.RandomLabels[40]);
        EXPECT_FALSE(form.isVisible());
    });
    EXPECT_EQ(window.Current->Color(), 5649426);
    EXPECT_EQ(platform.ClipboardFake.LastText(), "#123456");
    EXPECT_EQ(window.BtnStartGetColor->Tag, 0);
    EXPECT_FALSE(window.TimerShowZoom->Enabled());
}

} // namespace
