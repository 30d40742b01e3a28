#include "core/color/ColorFormats.h"
#include "core/color/FakeSystemColors.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::string Format(ColorValue value, int format, bool prefixOn = true, const std::string& separator = ".") {
    static const FakeSystemColors noSystemColors;
    return FormatColorValue(value, {format, prefixOn, separator}, noSystemColors);
}

struct FormatCase {
    int Format;
    ColorValue Value;
    const char* PrefixOn;
    const char* PrefixOff;
};

TEST(ColorFormats, SixFormatsOfThreeColorsWithAndWithoutPrefix) {
    const ColorValue orange = 33023, blue = 16711680, pale = 15785160;
    const FormatCase cases[] = {
        {FormatHtml, orange, "#FF8000", "FF8000"},
        {FormatHtml, blue, "#0000FF", "0000FF"},
        {FormatHtml, pale, "#C8DCF0", "C8DCF0"},
        {FormatRgb, orange, "255,128,0", "255,128,0"},
        {FormatRgb, blue, "0,0,255", "0,0,255"},
        {FormatRgb, pale, "200,220,240", "200,220,240"},
        {FormatDelphi, orange, "$000080FF", "000080FF"},
        {FormatDelphi, blue, "clBlue", "clBlue"},
        {FormatDelphi, pale, "$00F0DCC8", "00F0DCC8"},
        {FormatWinHsl, orange, "21,255,128", "21,255,128"},
        {FormatWinHsl, blue, "169,255,128", "169,255,128"},
        {FormatWinHsl, pale, "148,146,220", "148,146,220"},
        {FormatHex, orange, "0xFF8000", "FF8000"},
        {FormatHex, blue, "0x0000FF", "0000FF"},
        {FormatHex, pale, "0xC8DCF0", "C8DCF0"},
        {FormatHsv, orange, "30.12,100.00,100.00", "30.12,100.00,100.00"},
        {FormatHsv, blue, "240.00,100.00,100.00", "240.00,100.00,100.00"},
        {FormatHsv, pale, "210.00,16.67,94.12", "210.00,16.67,94.12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << ColorFormatNames[c.Format] << " " << c.Value);
        EXPECT_EQ(Format(c.Value, c.Format, true), c.PrefixOn);
        EXPECT_EQ(Format(c.Value, c.Format, false), c.PrefixOff);
    }
}

TEST(ColorFormats, HsvHalfInTheThirdDecimalRoundsUp) {
    EXPECT_EQ(Format(PackRgb(64, 62, 62), FormatHsv), "0.00,3.13,25.10");
    EXPECT_EQ(Format(PackRgb(255, 255, 255), FormatHsv), "300.00,0.00,100.00");
}

TEST(ColorFormats, HsvUsesTheLocaleDecimalSeparatorBetweenFixedCommas) {
    EXPECT_EQ(Format(33023, FormatHsv, true, ","), "30,12,100,00,100,00");
    EXPECT_EQ(Format(PackRgb(64, 62, 62), FormatHsv, true, ","), "0,00,3,13,25,10");
    EXPECT_EQ(Format(33023, FormatRgb, true, ","), "255,128,0"); // the other formats have no decimals
}

TEST(ColorFormats, HsvReadsOnlyTheLowThreeBytes) {
    EXPECT_EQ(Format(-1, FormatHsv), Format(16777215, FormatHsv));
}

TEST(ColorFormats, AnyOtherFormatIndexWritesHtml) {
    for (int format : {10, -1, 1000}) {
        EXPECT_EQ(Format(33023, format, true), "#FF8000") << format;
        EXPECT_EQ(Format(33023, format, false), "FF8000") << format;
    }
}

// The style sheet and shader formats of CSS Color 4's sample colours; none of them has a prefix, and
// the decimal point is '.' whatever the locale.
struct ModernCase {
    ColorValue Value;
    const char* Text;
};

void ExpectModernFormat(int format, std::initializer_list<ModernCase> cases) {
    for (const auto& c : cases)
        for (bool prefixOn : {true, false}) {
            EXPECT_EQ(Format(c.Value, format, prefixOn, ","), c.Text) << ColorFormatNames[format] << c.Value;
        }
}

TEST(ColorFormats, CssRgbSpaceSeparated) {
    ExpectModernFormat(FormatCssRgb, {{255, "rgb(255 0 0)"}, {33023, "rgb(255 128 0)"}});
}

TEST(ColorFormats, CssHslWithAtMostTwoDecimals) {
    ExpectModernFormat(FormatCssHsl, {{255, "hsl(0 100% 50%)"},
                                      {33023, "hsl(30.12 100% 50%)"},
                                      {15785160, "hsl(210 57.14% 86.27%)"},
                                      {8421504, "hsl(0 0% 50.2%)"}});
}

TEST(ColorFormats, OklchOfTheCssColor4Samples) {
    ExpectModernFormat(FormatOklch, {{255, "oklch(62.8% 0.2577 29.23)"},
                                     {65280, "oklch(86.64% 0.2948 142.5)"},
                                     {16711680, "oklch(45.2% 0.3132 264.05)"},
                                     {16777215, "oklch(100% 0 0)"}, // a grey has no hue
                                     {0, "oklch(0% 0 0)"}});
}

TEST(ColorFormats, FloatRgbWithThreeDecimals) {
    ExpectModernFormat(FormatFloatRgb, {{33023, "1.000, 0.502, 0.000"},
                                        {16744448, "0.000, 0.502, 1.000"},
                                        {PackRgb(1, 254, 51), "0.004, 0.996, 0.200"}});
}

TEST(ColorFormats, DelphiNamesIgnoreThePrefix) {
    EXPECT_EQ(Format(255, FormatDelphi, true), "clRed");
    EXPECT_EQ(Format(255, FormatDelphi, false), "clRed");
    EXPECT_EQ(Format(254, FormatDelphi, true), "$000000FE");
    EXPECT_EQ(Format(254, FormatDelphi, false), "000000FE");
    EXPECT_EQ(Format(-16777201, FormatDelphi), "clBtnFace");
    EXPECT_EQ(Format(-1, FormatDelphi), "$FFFFFFFF");
    EXPECT_EQ(Format(0x1FFFFFFF, FormatDelphi), "clNone");
    EXPECT_EQ(Format(0x20000000, FormatDelphi), "clDefault");
    EXPECT_EQ(Format(0x20000001, FormatDelphi, false), "20000001");
}

TEST(ColorFormats, NegativeValueFromTheFavouritesFile) {
    FakeSystemColors system;
    auto format = [&](int f, bool prefixOn) { return FormatColorValue(-2, {f, prefixOn, "."}, system); };
    EXPECT_EQ(format(FormatRgb, true), "254,255,255");
    EXPECT_EQ(format(FormatHex, false), "FEFFFF");
    EXPECT_EQ(format(FormatDelphi, false), "FFFFFFFE");
    EXPECT_EQ(format(FormatHtml, true), "#000000"); // index 254 has no colour
    system.Colors[254] = PackRgb(1, 2, 3);
    EXPECT_EQ(format(FormatHtml, true), "#010203"); // HTML and the style sheet formats resolve them
    EXPECT_EQ(format(FormatCssRgb, true), "rgb(1 2 3)");
    EXPECT_EQ(format(FormatHex, true), "0xFEFFFF");
}

TEST(ColorFormats, IdentifierTableHasFiftyTwoUniqueNamesAndValues) {
    const auto& table = ColorIdentifiers();
    std::set<std::string> names;
    std::set<ColorValue> values;
    for (const auto& entry : table) {
        names.insert(entry.Name);
        values.insert(entry.Value);
        EXPECT_EQ(ColorIdentifierName(entry.Value), entry.Name);
        EXPECT_EQ(ColorIdentifierValue(entry.Name), entry.Value);
    }
    EXPECT_EQ(names.size(), 52u);
    EXPECT_EQ(values.size(), 52u);

    const struct {
        const char* Name;
        ColorValue Value;
    } someNames[] = {
        {"clBlack", 0},
        {"clMaroon", 128},
        {"clGreen", 32768},
        {"clOlive", 32896},
        {"clNavy", 8388608},
        {"clPurple", 8388736},
        {"clTeal", 8421376},
        {"clGray", 8421504},
        {"clSilver", 12632256},
        {"clRed", 255},
        {"clLime", 65280},
        {"clYellow", 65535},
        {"clBlue", 16711680},
        {"clFuchsia", 16711935},
        {"clAqua", 16776960},
        {"clWhite", 16777215},
        {"clMoneyGreen", 12639424},
        {"clSkyBlue", 15780518},
        {"clCream", 15793151},
        {"clMedGray", 10789024},
        {"clScrollBar", static_cast<ColorValue>(0xFF000000)},
        {"clInfoBk", static_cast<ColorValue>(0xFF000018)},
        {"clHotLight", static_cast<ColorValue>(0xFF00001A)},
        {"clMenuBar", static_cast<ColorValue>(0xFF00001E)},
    };
    for (const auto& entry : someNames)
        EXPECT_EQ(ColorIdentifierValue(entry.Name), entry.Value) << entry.Name;
    EXPECT_FALSE(ColorIdentifierName(static_cast<ColorValue>(0xFF000019))); // index 25 has no name
    EXPECT_FALSE(ColorIdentifierValue("clred"));
}

TEST(ColorFormats, FixedTwoDecimalsRoundTheEighteenDigitText) {
    const struct {
        double Value;
        const char* Text;
    } cases[] = {
        {3.125, "3.13"},
        {0.125, "0.13"},
        {0.625, "0.63"}, // exact halves: plain printf gives .12/.62
        {2.675, "2.67"},
        {1.005, "1.00"}, // just below the half as doubles
        {99.995, "100.00"},
        {359.996, "360.00"},
        {999.995, "1000.00"},
        {0, "0.00"},
        {0.5, "0.50"},
        {1234.5, "1234.50"},
        {0.004999, "0.00"},
        {0.005, "0.01"},
        {1e20, "100000000000000000000.00"},
        {1.5e-7, "0.00"},
        {-1.5, "-1.50"},
        {-0.001, "0.00"},
        {-2.675, "-2.67"},
        {30.117647058823529, "30.12"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed2(c.Value, "."), c.Text) << c.Value;
    EXPECT_EQ(FormatFixed2(3.125, ","), "3,13");
    EXPECT_EQ(FormatFixed2(3.125, "\u066B"), "3\u066B13"); // separators need not be one byte
}

TEST(ColorFormats, ParseValueText) {
    const struct {
        const char* Text;
        std::optional<ColorValue> Value;
    } cases[] = {
        {"255", 255},
        {"   255", 255},
        {"+255", 255},
        {"-1", -1},
        {"0", 0},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$FF", 255},
        {"$ff", 255},
        {"x1f", 31},
        {"X1F", 31},
        {"0x10", 16},
        {"0X10", 16},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"0x80000000", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"$100000000", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"12 ", std::nullopt},
        {"1a", std::nullopt},
        {"5.0", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"+", std::nullopt},
        {"--1", std::nullopt},
        {"$-1", std::nullopt},
        {"\t5", std::nullopt},
        {"0xx1", std::nullopt},
        {"$0x1", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseColorValueText(c.Text), c.Value) << '"' << c.Text << '"';
}

} // namespace
