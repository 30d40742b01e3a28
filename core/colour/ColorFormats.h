#pragma once

#include "core/colour/ColorValue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The item index of the format combo box; any other index writes as HTML.
enum ColorFormat : int {
    FormatHtml = 0,
    FormatRgb = 1,
    FormatDelphi = 2,
    FormatWinHsl = 3,
    FormatHex = 4,
    FormatHsv = 5,
};

// The combo box items, in index order ("RGB " keeps its trailing blank).
inline constexpr std::array<const char*, 6> ColorFormatNames = {"HTML",     "RGB ", "Delphi",
                                                                "HSL(Win)", "HEX",  "HSV/HSB"};

// The format a name stands for, in any letter case: a name of the format box ("RGB" standing for
// "RGB ") or a short one ("hsl", "hsv", "hsb"); nothing for any other name.
std::optional<int> ColorFormatNamed(std::string_view name);

// What a colour's text depends on besides the colour.
struct ColorTextStyle {
    int Format = FormatHtml;
    bool PrefixOn = true;
    std::string DecimalSeparator = ".";
};

std::string FormatColorValue(ColorValue value, const ColorTextStyle& style, const SystemColours& system);

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
