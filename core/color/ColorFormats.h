#pragma once

#include "core/color/ColorValue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The item index of the format combo box; any other index writes as HTML. The index is stored in the
// settings, so formats are only ever added at the end.
enum ColorFormat : int {
    FormatHtml = 0,
    FormatRgb = 1,
    FormatDelphi = 2,
    FormatWinHsl = 3,
    FormatHex = 4,
    FormatHsv = 5,
    // For style sheets and shaders: the colour as the desktop paints it (a system colour resolved, as
    // in HTML), with '.' for the decimal point whatever the locale. They have no prefix to leave out.
    FormatCssRgb = 6,   // rgb(255 128 0)
    FormatCssHsl = 7,   // hsl(30.12 100% 50%): at most two decimals
    FormatOklch = 8,    // oklch(62.8% 0.2577 29.23): lightness and hue two decimals at most, chroma four
    FormatFloatRgb = 9, // 1.000, 0.502, 0.000: each channel over 255, three decimals
};

// The combo box items, in index order ("RGB " keeps its trailing blank).
inline constexpr std::array<const char*, 10> ColorFormatNames = {
    "HTML", "RGB ", "Delphi", "HSL(Win)", "HEX", "HSV/HSB", "rgb()", "hsl()", "oklch()", "RGB 0-1"};
inline constexpr int ColorFormatCount = static_cast<int>(ColorFormatNames.size());

// The format a name stands for, in any letter case: a name of the format box ("RGB" standing for
// "RGB ") or a short one ("hsl", "hsv", "hsb", "css-rgb", "css-hsl", "oklch", "float"); nothing for any
// other name.
std::optional<int> ColorFormatNamed(std::string_view name);

// What a colour's text depends on besides the colour.
struct ColorTextStyle {
    int Format = FormatHtml;
    bool PrefixOn = true;
    std::string DecimalSeparator = ".";
};

std::string FormatColorValue(ColorValue value, const ColorTextStyle& style, const SystemColors& system);

// "%f": fixed notation with two decimals. The real is first written with 18 significant digits and
// a third decimal of 5 or more then rounds the magnitude up, so 3.125 gives "3.13".
std::string FormatFixed2(double value, std::string_view decimalSeparator);

// The named colours of the "Delphi" format, both ways.
struct ColorIdentifier {
    const char* Name;
    ColorValue Value;
};
const std::array<ColorIdentifier, 52>& ColorIdentifiers();
std::optional<std::string_view> ColorIdentifierName(ColorValue value);
std::optional<ColorValue> ColorIdentifierValue(std::string_view name);

// A signed 32-bit integer: leading spaces, an optional sign, then decimal digits or hexadecimal digits
// after "$", "x" or "0x" (x in either case), with nothing after them. Hexadecimal digits give the 32-bit
// pattern, so "$FFFFFFFF" is -1; a decimal number outside the 32-bit range is no number.
std::optional<ColorValue> ParseColorValueText(std::string_view text);
