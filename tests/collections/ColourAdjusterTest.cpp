#include "../picker/PickingFixture.h"

#include "core/collections/ClipboardOutput.h"
#include "core/collections/ColourAdjuster.h"
#include "core/colour/CurrentColour.h"
#include "ui/picker/ImageControl.h"
#include "ui/picker/SpeedButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

class ColourAdjusterTest : public PickingFixture, public testing::Test {
protected:
    ColourAdjusterTest() {
        window.show();
        StartPicking();
        window.BtnStartGetColor->click(); // picking off: the palette panel shows
        window.Current->ShowAsCurrentColor(PackRgb(18, 52, 86));
    }

    size_t Copies() { return platform.ClipboardFake.Writes.size(); }
    QStringList Labels() { return {window.LblR->text(), window.LblG->text(), window.LblB->text()}; }
};

TEST_F(ColourAdjusterTest, StartsAtZeroWithBlankLabels) {
    EXPECT_EQ(window.SbR->value(), 0);
    EXPECT_EQ(Labels(), (QStringList{"___", "___", "___"}));
    EXPECT_EQ(window.SbR->minimum(), 0);
    EXPECT_EQ(window.SbR->maximum(), 255);
}

TEST_F(ColourAdjusterTest, TheCopyButtonSetsTheBarsAndCopiesOnce) {
    window.BtnCopyColor->click();
    EXPECT_EQ(window.SbR->value(), 18);
    EXPECT_EQ(window.SbG->value(), 52);
    EXPECT_EQ(window.SbB->value(), 86);
    EXPECT_EQ(Labels(), (QStringList{"18", "52", "86"}));
    EXPECT_EQ(Copies(), 1u);
    EXPECT_FALSE(window.Adjuster->BarsUpdating);

    window.SbR->triggerAction(QAbstractSlider::SliderSingleStepAdd); // the right arrow
    EXPECT_EQ(window.Current->Color(), PackRgb(19, 52, 86));
    EXPECT_EQ(window.LblCurVal->text(), "#133456");
    EXPECT_EQ(window.LblR->text(), "19");
    EXPECT_EQ(window.ImgCopy->Picture().pixelColor(10, 10), QColor(19, 52, 86));
    EXPECT_EQ(Copies(), 2u);
    EXPECT_EQ(platform.ClipboardFake.LastText(), "#133456");
    EXPECT_TRUE(window.LblHnit->text().contains("#133456"));
}

TEST_F(ColourAdjusterTest, DraggingCopiesOncePerPosition) {
    window.SbG->setSliderDown(true);
    for (int position = 1; position <= 255; ++position)
        window.SbG->setSliderPosition(position);
    window.SbG->setSliderDown(false);
    EXPECT_EQ(Copies(), 255u);
    EXPECT_EQ(window.Current->Color(), PackRgb(0, 255, 0)); // red and blue keep the bars' old values
    EXPECT_EQ(window.LblG->text(), "255");
}

TEST_F(ColourAdjusterTest, KeysMoveTheBarAsOnAnyDesktopScrollBar) {
    window.SbB->setValue(100);
    for (auto [key, value] : {std::pair{Qt::Key_Right, 101},
                              {Qt::Key_Down, 102},
                              {Qt::Key_Left, 101},
                              {Qt::Key_Up, 100},
                              {Qt::Key_End, 255},
                              {Qt::Key_Home, 0}}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(window.SbB, &event);
        EXPECT_EQ(window.SbB->value(), value) << QKeySequence(key).toString().toStdString();
    }
}

TEST_F(ColourAdjusterTest, SyncDoesNothingWhileThePaletteIsHidden) {
    window.BtnStartGetColor->click(); // picking on: the magnifier shows instead
    window.Adjuster->SyncAdjusterBars();
    EXPECT_EQ(window.SbR->value(), 0);
    EXPECT_EQ(Labels(), (QStringList{"___", "___", "___"}));
}

TEST_F(ColourAdjusterTest, SyncToTheSameColourRunsNoHandlerButRewritesTheLabels) {
    window.Adjuster->SyncAdjusterBars();
    window.LblR->setText("x");
    window.Adjuster->SyncAdjusterBars();
    EXPECT_EQ(Labels(), (QStringList{"18", "52", "86"}));
    EXPECT_EQ(Copies(), 0u);
}

TEST_F(ColourAdjusterTest, AColourWithATopByteSetsTheBarsFromItsLowBytes) {
    window.Current->ShowAsCurrentColor(0x7F0A0B0C);
    window.Adjuster->SyncAdjusterBars();
    EXPECT_EQ(window.SbR->value(), 0x0C);
    EXPECT_EQ(window.SbG->value(), 0x0B);
    EXPECT_EQ(window.SbB->value(), 0x0A);
}

} // namespace
