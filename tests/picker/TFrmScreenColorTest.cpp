#include "picker/TFrmScreenColor.h"
#include "colour/CurrentColour.h"
#include "picker/SpeedButton.h"

#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

TEST(TFrmScreenColor, StartsWithAReadOnlyCurrentColourFieldAndTheSixFormats) {
    TFrmScreenColor window;
    EXPECT_TRUE(window.LblCurVal->isReadOnly());
    EXPECT_EQ(window.LblCurVal->text(), "_____");
    EXPECT_EQ(window.LblCurVal->geometry(), QRect(101, 4, 340, 23));
    EXPECT_EQ(window.LblCurVal->font().pixelSize(), 20);

    ASSERT_EQ(window.CbColorValType->count(), 6);
    const char* items[] = {"HTML", "RGB ", "Delphi", "HSL(Win)", "HEX", "HSV/HSB"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(window.CbColorValType->itemText(i), items[i]);
    EXPECT_EQ(window.CbColorValType->currentIndex(), 0);
    EXPECT_EQ(window.BtnColorPre->Tag, 0);
    EXPECT_EQ(window.CbColorValType->toolTip(), "取色的格式");
    EXPECT_EQ(window.BtnColorPre->toolTip(), "带颜色前缀");
    EXPECT_EQ(window.geometry(), QRect(20, 10, 498, 600));
}

TEST(TFrmScreenColor, TheFieldIsWiredToTheFormatAndPrefixControls) {
    TFrmScreenColor window;
    window.Current->ShowAsCurrentColor(15785160);
    window.CbColorValType->setCurrentIndex(2);
    EXPECT_EQ(window.LblCurVal->text(), "$00F0DCC8");
    window.BtnColorPre->click();
    window.Current->ShowAsCurrentColor(15785160);
    EXPECT_EQ(window.LblCurVal->text(), "00F0DCC8");
}

} // namespace
