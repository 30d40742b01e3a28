#include "core/color/CurrentColor.h"

#include "core/color/FakeSystemColors.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

class CurrentColorTest : public testing::Test {
protected:
    FakeSystemColors system;
    CurrentColor current{system};
};

TEST_F(CurrentColorTest, ShowsTheColorItsReadableTextColorAndItsText) {
    EXPECT_EQ(current.Text(), "_____");
    const struct {
        ColorValue Value;
        ColorValue TextColor;
        const char* Html;
    } cases[] = {
        {33023, ColorWhite, "#FF8000"}, {16711680, ColorWhite, "#0000FF"}, {15785160, ColorBlack, "#C8DCF0"}};
    for (const auto& c : cases) {
        current.ShowAsCurrentColor(c.Value);
        EXPECT_EQ(current.Color(), c.Value);
        EXPECT_EQ(current.ShownColor(), c.Value);
        EXPECT_EQ(current.TextColor(), c.TextColor);
        EXPECT_EQ(current.Text(), c.Html);
    }
}

TEST_F(CurrentColorTest, SystemColorValuesShowTheDesktopsColor) {
    system.Colors[15] = PackRgb(10, 20, 30);
    current.ShowAsCurrentColor(-16777201);
    EXPECT_EQ(current.Color(), -16777201);
    EXPECT_EQ(current.ShownColor(), PackRgb(10, 20, 30));
    EXPECT_EQ(current.Text(), "#0A141E");
}

TEST_F(CurrentColorTest, TextThatIsNoNumberShowsWhite) {
    current.ShowAsCurrentColorFromText("255");
    EXPECT_EQ(current.Color(), 255);
    EXPECT_EQ(current.Text(), "#FF0000");
    for (const char* text : {"abc", "99999999999", ""}) {
        current.ShowAsCurrentColorFromText(text);
        EXPECT_EQ(current.Color(), ColorWhite) << text;
        EXPECT_EQ(current.Text(), "#FFFFFF") << text;
    }
}

TEST_F(CurrentColorTest, ThePrefixShowsFromTheNextColorOnAndAnyTagButZeroIsOff) {
    current.ShowAsCurrentColor(33023);
    current.BtnColorPreClick();
    EXPECT_EQ(current.PrefixTag(), 1);
    EXPECT_EQ(current.Text(), "#FF8000"); // unchanged until a colour is shown
    current.ShowAsCurrentColor(33023);
    EXPECT_EQ(current.Text(), "FF8000");
    current.BtnColorPreClick();
    EXPECT_EQ(current.PrefixTag(), 0);

    current.SetPrefixTag(2); // as a settings file may hold it
    current.ShowAsCurrentColor(33023);
    EXPECT_EQ(current.Text(), "FF8000");
    current.BtnColorPreClick();
    EXPECT_EQ(current.PrefixTag(), 1);
}

TEST_F(CurrentColorTest, HsvTextFollowsTheLocaleDecimalSeparator) {
    current.SetFormat(FormatHsv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    current.ShowAsCurrentColor(33023);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(current.Text(), "30,12,100,00,100,00");
    current.ShowAsCurrentColor(33023);
    EXPECT_EQ(current.Text(), "30.12,100.00,100.00");
}

} // namespace
