#pragma once

#include <cstdint>
#include <string>

class SystemColors;

// A colour packed as red in bits 0-7, green in 8-15 and blue in 16-23. The high byte is 0 for every
// colour read from the screen or packed here; a negative value names a system colour by its low byte.
using ColorValue = std::int32_t;

struct HsvColor {
    double Hue;        // degrees, 0 up to 360
    double Saturation; // percent
    double Value;      // percent
};

struct HslColor {
    double Hue;        // fraction of a turn, 0 up to 1
    double Saturation; // 0 to 1
    double Lightness;  // 0 to 1
};

struct WinHsl {
    int Hue;
    int Saturation;
    int Lightness;
    bool operator==(const WinHsl&) const = default;
};

// The integer scale of the "HSL(Win)" text format.
inline constexpr int HslRange = 255;

inline constexpr ColorValue ColorWhite = 16777215;
inline constexpr ColorValue ColorBlack = 0;

constexpr int RedOf(ColorValue value) { return value & 255; }
constexpr int GreenOf(ColorValue value) { return (value >> 8) & 255; }
constexpr int BlueOf(ColorValue value) { return (value >> 16) & 255; }

constexpr ColorValue PackRgb(int red, int green, int blue) {
    return ((blue & 255) << 16) | ((green & 255) << 8) | (red & 255);
}

// True when any channel is below 128: text on such a background is written in white.
constexpr bool IsDarkColor(ColorValue value) {
    return RedOf(value) < 128 || GreenOf(value) < 128 || BlueOf(value) < 128;
}

// The colour to draw text in on a background of the given colour.
constexpr ColorValue ReadableTextColor(ColorValue background) {
    return IsDarkColor(background) ? ColorWhite : ColorBlack;
}

HsvColor ColorToHsv(ColorValue value);
HslColor ColorToHsl(ColorValue value);
WinHsl ColorToWinHsl(ColorValue value);

// Six upper-case hexadecimal digits, red first (RRGGBB).
std::string ColorToHexText(ColorValue value);

// A value of zero or more is returned unchanged; a negative one becomes the desktop's colour for the
// system colour index in its low byte.
ColorValue ResolveSystemColor(ColorValue value, const SystemColors& system);
