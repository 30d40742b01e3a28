#include "core/color/ColorFormats.h"

#include "core/color/DecimalText.h"
#include "core/color/OkLab.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

constexpr ColorValue SystemColorValue(int index) {
    return static_cast<ColorValue>(0xFF000000u + static_cast<std::uint32_t>(index));
}

constexpr std::array<ColorIdentifier, 52> Identifiers = {{
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
    {"clScrollBar", SystemColorValue(0)},
    {"clBackground", SystemColorValue(1)},
    {"clActiveCaption", SystemColorValue(2)},
    {"clInactiveCaption", SystemColorValue(3)},
    {"clMenu", SystemColorValue(4)},
    {"clWindow", SystemColorValue(5)},
    {"clWindowFrame", SystemColorValue(6)},
    {"clMenuText", SystemColorValue(7)},
    {"clWindowText", SystemColorValue(8)},
    {"clCaptionText", SystemColorValue(9)},
    {"clActiveBorder", SystemColorValue(10)},
    {"clInactiveBorder", SystemColorValue(11)},
    {"clAppWorkSpace", SystemColorValue(12)},
    {"clHighlight", SystemColorValue(13)},
    {"clHighlightText", SystemColorValue(14)},
    {"clBtnFace", SystemColorValue(15)},
    {"clBtnShadow", SystemColorValue(16)},
    {"clGrayText", SystemColorValue(17)},
    {"clBtnText", SystemColorValue(18)},
    {"clInactiveCaptionText", SystemColorValue(19)},
    {"clBtnHighlight", SystemColorValue(20)},
    {"cl3DDkShadow", SystemColorValue(21)},
    {"cl3DLight", SystemColorValue(22)},
    {"clInfoText", SystemColorValue(23)},
    {"clInfoBk", SystemColorValue(24)},
    {"clHotLight", SystemColorValue(26)},
    {"clGradientActiveCaption", SystemColorValue(27)},
    {"clGradientInactiveCaption", SystemColorValue(28)},
    {"clMenuHighlight", SystemColorValue(29)},
    {"clMenuBar", SystemColorValue(30)},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
}};

std::string WithPrefix(const char* prefix, std::string text, bool prefixOn) {
    return prefixOn ? prefix + text : text;
}

std::string DelphiText(ColorValue value, bool prefixOn) {
    if (auto name = ColorIdentifierName(value))
        return std::string(*name);
    char text[16];
    std::snprintf(text, sizeof text, "%s%.8X", "$", static_cast<unsigned>(value));
    return prefixOn ? text : text + 1;
}

std::string TripleText(int a, int b, int c) {
    char text[48];
    std::snprintf(text, sizeof text, "%d,%d,%d", a, b, c);
    return text;
}

std::string CssRgbText(ColorValue value) {
    return "rgb(" + std::to_string(RedOf(value)) + ' ' + std::to_string(GreenOf(value)) + ' ' +
           std::to_string(BlueOf(value)) + ')';
}

// A hue that rounds to a full turn is written as 0.
std::string HueText(double degrees) {
    const std::string text = DecimalText(degrees, 2);
    return text == "360" ? "0" : text;
}

std::string CssHslText(ColorValue value) {
    const HslColor hsl = ColorToHsl(value);
    return "hsl(" + HueText(hsl.Hue * 360) + ' ' + DecimalText(hsl.Saturation * 100, 2) + "% " +
           DecimalText(hsl.Lightness * 100, 2) + "%)";
}

// Four decimals of chroma, as CSS Color 4 writes its own examples: with three, one 8-bit colour in five
// would come back from the text as a neighbour.
std::string OklchText(ColorValue value) {
    const OkLch lch = ColorToOkLch(value);
    const std::string chroma = DecimalText(lch.Chroma, 4);
    // With no chroma written the hue means nothing; 0 rather than the arithmetic's noise.
    const std::string hue = chroma == "0" ? "0" : HueText(lch.Hue);
    return "oklch(" + DecimalText(lch.Lightness * 100, 2) + "% " + chroma + ' ' + hue + ')';
}

// Three decimals tell every byte apart: n/255 rounded to thousandths comes back to n.
std::string FloatRgbText(ColorValue value) {
    return FixedDecimalText(RedOf(value) / 255.0, 3) + ", " + FixedDecimalText(GreenOf(value) / 255.0, 3) +
           ", " + FixedDecimalText(BlueOf(value) / 255.0, 3);
}

} // namespace

const std::array<ColorIdentifier, 52>& ColorIdentifiers() { return Identifiers; }

std::optional<std::string_view> ColorIdentifierName(ColorValue value) {
    for (const auto& entry : Identifiers)
        if (entry.Value == value)
            return entry.Name;
    return std::nullopt;
}

std::optional<ColorValue> ColorIdentifierValue(std::string_view name) {
    for (const auto& entry : Identifiers)
        if (name == entry.Name)
            return entry.Value;
    return std::nullopt;
}

std::string FormatFixed2(double value, std::string_view decimalSeparator) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";

    // 18 significant digits: "d.ddddddddddddddddde+XX".
    char scientific[40];
    std::snprintf(scientific, sizeof scientific, "%.17e", std::fabs(value));
    std::string digits{scientific[0]};
    digits.append(scientific + 2, 17);
    const int pointAt = std::atoi(std::strchr(scientific, 'e') + 1) + 1; // digits before the point

    std::string whole, fraction;
    if (pointAt <= 0) {
        whole = "0";
        fraction = std::string(-pointAt, '0') + digits;
    } else if (pointAt >= static_cast<int>(digits.size())) {
        whole = digits + std::string(pointAt - digits.size(), '0');
    } else {
        whole = digits.substr(0, pointAt);
        fraction = digits.substr(pointAt);
    }
    fraction.resize(std::max<std::size_t>(fraction.size(), 3), '0');

    std::string kept = whole + fraction.substr(0, 2);
    if (fraction[2] >= '5') {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0 && kept[i] == '9'; --i)
            kept[i] = '0';
        if (i >= 0)
            ++kept[i];
        else
            kept.insert(kept.begin(), '1');
    }
    const std::size_t firstDigit = std::min(kept.find_first_not_of('0'), kept.size() - 3);
    std::string text = kept.substr(firstDigit, kept.size() - 2 - firstDigit);
    text += decimalSeparator;
    text += kept.substr(kept.size() - 2);

    const bool roundsToZero = kept.find_first_not_of('0') == std::string::npos;
    return value < 0 && !roundsToZero ? "-" + text : text;
}

std::optional<int> ColorFormatNamed(std::string_view name) {
    static constexpr std::pair<std::string_view, int> Names[] = {
        {"html", FormatHtml},     {"rgb", FormatRgb},          {"rgb ", FormatRgb},
        {"delphi", FormatDelphi}, {"hsl(win)", FormatWinHsl},  {"hsl", FormatWinHsl},
        {"hex", FormatHex},       {"hsv/hsb", FormatHsv},      {"hsv", FormatHsv},
        {"hsb", FormatHsv},       {"rgb()", FormatCssRgb},     {"css-rgb", FormatCssRgb},
        {"hsl()", FormatCssHsl},  {"css-hsl", FormatCssHsl},   {"oklch()", FormatOklch},
        {"oklch", FormatOklch},   {"rgb 0-1", FormatFloatRgb}, {"float", FormatFloatRgb},
    };
    const auto sameLetters = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    for (const auto& [known, format] : Names)
        if (std::ranges::equal(name, known, sameLetters))
            return format;
    return std::nullopt;
}

std::string FormatColorValue(ColorValue value, const ColorTextStyle& style, const SystemColors& system) {
    switch (style.Format) {
    case FormatRgb:
        return TripleText(RedOf(value), GreenOf(value), BlueOf(value));
    case FormatDelphi:
        return DelphiText(value, style.PrefixOn);
    case FormatWinHsl: {
        const WinHsl hsl = ColorToWinHsl(value);
        return TripleText(hsl.Hue, hsl.Saturation, hsl.Lightness);
    }
    case FormatHex:
        return WithPrefix("0x", ColorToHexText(value), style.PrefixOn);
    case FormatHsv: {
        const HsvColor hsv = ColorToHsv(value & 0xFFFFFF);
        const std::string& sep = style.DecimalSeparator;
        return FormatFixed2(hsv.Hue, sep) + "," + FormatFixed2(hsv.Saturation, sep) + "," +
               FormatFixed2(hsv.Value, sep);
    }
    case FormatCssRgb:
        return CssRgbText(ResolveSystemColor(value, system));
    case FormatCssHsl:
        return CssHslText(ResolveSystemColor(value, system));
    case FormatOklch:
        return OklchText(ResolveSystemColor(value, system));
    case FormatFloatRgb:
        return FloatRgbText(ResolveSystemColor(value, system));
    default:
        return WithPrefix("#", ColorToHexText(ResolveSystemColor(value, system)), style.PrefixOn);
    }
}

std::optional<ColorValue> ParseColorValueText(std::string_view text) {
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos)
        return std::nullopt;
    bool negative = false;
    if (text[at] == '+' || text[at] == '-')
        negative = text[at++] == '-';

    int base = 10;
    if (at < text.size() && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) {
        base = 16;
        ++at;
    } else if (at + 1 < text.size() && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X')) {
        base = 16;
        at += 2;
    }
    if (at == text.size())
        return std::nullopt;

    std::uint64_t magnitude = 0;
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : (negative ? 2147483648u : 2147483647u);
    for (; at < text.size(); ++at) {
        const char c = text[at];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    const auto pattern = static_cast<std::uint32_t>(magnitude);
    return static_cast<ColorValue>(negative ? 0u - pattern : pattern);
}
