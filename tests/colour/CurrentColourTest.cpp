#include "core/colour/CurrentColour.h"
#include "ui/picker/SpeedButton.h"
#include "platform/fake/FakeSystemColours.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

class CurrentColourTest : public testing::Test {
protected:
    CurrentColourTest() {
        field.setGeometry(0, 0, 340, 23);
        field.setFrame(false);
        for (const char* name : ColorFormatNames)
            formats.addItem(QString::fromLatin1(name));
        QObject::connect(&current, &CurrentColour::CopyColorToClipboard, [this] { ++copies; });
    }

    QColor Background() const { return field.palette().color(QPalette::Base); }
    QColor TextColour() const { return field.palette().color(QPalette::Text); }

    QLineEdit field;
    QComboBox formats;
    SpeedButton prefix;
    FakeSystemColours system;
    CurrentColour current{&field, &formats, &prefix, system};
    int copies = 0;
};

TEST_F(CurrentColourTest, ShowsTheColourItsReadableTextColourAndItsText) {
    const struct {
        ColorValue Value;
        QColor Background;
        QColor Text;
        const char* Html;
    } cases[] = {
        {33023, QColor(255, 128, 0), Qt::white, "#FF8000"},
        {16711680, QColor(0, 0, 255), Qt::white, "#0000FF"},
        {15785160, QColor(200, 220, 240), Qt::black, "#C8DCF0"},
    };
    for (const auto& c : cases) {
        current.ShowAsCurrentColor(c.Value);
        EXPECT_EQ(current.Color(), c.Value);
        EXPECT_EQ(Background(), c.Background);
        EXPECT_EQ(TextColour(), c.Text);
        EXPECT_EQ(field.text(), c.Html);
        // What the user sees: the field is painted in the colour.
        const QImage shown = field.grab().toImage();
        EXPECT_EQ(QColor(shown.pixel(shown.width() - 2, shown.height() / 2)), c.Background);
    }
}

TEST_F(CurrentColourTest, SystemColourValuesArePaintedInTheDesktopColour) {
    system.Colours[15] = PackRgb(10, 20, 30);
    current.ShowAsCurrentColor(-16777201);
    EXPECT_EQ(current.Color(), -16777201);
    EXPECT_EQ(Background(), QColor(10, 20, 30));
    EXPECT_EQ(field.text(), "#0A141E");
}

TEST_F(CurrentColourTest, TextThatIsNoNumberShowsWhite) {
    current.ShowAsCurrentColorFromText("255");
    EXPECT_EQ(current.Color(), 255);
    EXPECT_EQ(field.text(), "#FF0000");
    current.ShowAsCurrentColorFromText("abc");
    EXPECT_EQ(current.Color(), ColorWhite);
    EXPECT_EQ(field.text(), "#FFFFFF");
    EXPECT_EQ(TextColour(), QColor(Qt::black));
    current.ShowAsCurrentColorFromText("99999999999");
    EXPECT_EQ(current.Color(), ColorWhite);
}

TEST_F(CurrentColourTest, ChangingTheFormatRewritesTheFieldAndAsksForACopy) {
    current.ShowAsCurrentColor(33023);
    const struct {
        int Index;
        const char* Text;
    } cases[] = {{1, "255,128,0"}, {2, "$000080FF"},           {3, "21,255,128"},
                 {4, "0xFF8000"},  {5, "30.12,100.00,100.00"}, {0, "#FF8000"}};
    int expectedCopies = 0;
    for (const auto& c : cases) {
        formats.setCurrentIndex(c.Index);
        EXPECT_EQ(field.text(), c.Text);
        EXPECT_EQ(current.Color(), 33023);
        EXPECT_EQ(copies, ++expectedCopies);
    }
}

TEST(CurrentColourFormatBox, TypingSelectsTheFormatItNamesOrNoneAndCopies) {
    QLineEdit field;
    QComboBox formats;
    formats.setEditable(true);
    for (const char* name : ColorFormatNames)
        formats.addItem(QString::fromLatin1(name));
    SpeedButton prefix;
    FakeSystemColours system;
    CurrentColour current{&field, &formats, &prefix, system};
    int copies = 0;
    QObject::connect(&current, &CurrentColour::CopyColorToClipboard, [&] { ++copies; });
    current.ShowAsCurrentColor(33023);

    const struct {
        const char* Typed;
        int Format;
        const char* Shown;
    } cases[] = {{"hsv/hsb", 5, "30.12,100.00,100.00"}, {"RGB ", 1, "255,128,0"}, {"RGB", -1, "#FF8000"}};
    for (const auto& c : cases) {
        formats.lineEdit()->setText(c.Typed);
        emit formats.lineEdit()->textEdited(c.Typed);
        EXPECT_EQ(formats.currentIndex(), c.Format) << c.Typed;
        EXPECT_EQ(formats.currentText(), c.Typed);
        EXPECT_EQ(field.text(), c.Shown) << c.Typed;
    }
    EXPECT_EQ(copies, 3);
}

TEST_F(CurrentColourTest, PrefixToggleShowsFromTheNextColourOn) {
    current.ShowAsCurrentColor(33023);
    prefix.click();
    EXPECT_EQ(prefix.Tag, 1);
    EXPECT_EQ(prefix.GlyphName(), "nccolorpre");
    EXPECT_EQ(field.text(), "#FF8000"); // unchanged until a colour is shown
    EXPECT_EQ(copies, 0);
    current.ShowAsCurrentColor(33023);
    EXPECT_EQ(field.text(), "FF8000");
    prefix.click();
    EXPECT_EQ(prefix.Tag, 0);
    EXPECT_EQ(prefix.GlyphName(), "ccolorpre");
}

TEST_F(CurrentColourTest, AnyTagButZeroMeansPrefixOff) {
    prefix.Tag = 2; // as a settings file may hold it
    current.ShowAsCurrentColor(33023);
    EXPECT_EQ(field.text(), "FF8000");
    prefix.click();
    EXPECT_EQ(prefix.Tag, 1);
    prefix.click();
    EXPECT_EQ(prefix.Tag, 0);
}

TEST_F(CurrentColourTest, HsvTextFollowsTheLocaleDecimalSeparator) {
    formats.setCurrentIndex(FormatHsv);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    current.ShowAsCurrentColor(33023);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(field.text(), "30,12,100,00,100,00");
    current.ShowAsCurrentColor(33023);
    EXPECT_EQ(field.text(), "30.12,100.00,100.00");
}

} // namespace
