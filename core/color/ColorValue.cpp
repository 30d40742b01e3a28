#include "core/color/ColorValue.h"

#include "core/color/SystemColors.h"

#include <algorithm>
#include <cmath>

HsvColor ColorToHsv(ColorValue value) {
    const double r = RedOf(value), g = GreenOf(value), b = BlueOf(value);
    const double max = std::max({r, g, b});
    const double min = std::min({r, g, b});
    const double delta = max - min;
    const double s255 = max == 0 ? 0 : 255 * delta / max;

    // Hue in sixths of a turn; red is tested before green and green before blue. Grey keeps -1,
    // which the degree step below turns into 300: any hue is right once the saturation is 0.
    double h;
    if (s255 == 0)
        h = -1;
    else if (r == max)
        h = (g - b) / delta;
    else if (g == max)
        h = 2 + (b - r) / delta;
    else
        h = 4 + (r - g) / delta;

    double hue = h * 60;
    if (hue < 0)
        hue += 360;
    return {hue, s255 * 100 / 255, max * 100 / 255};
}

HslColor ColorToHsl(ColorValue value) {
    const double r = RedOf(value) / 255.0, g = GreenOf(value) / 255.0, b = BlueOf(value) / 255.0;
    const double max = std::max(r, std::max(g, b));
    const double min = std::min(r, std::min(g, b));
    const double l = (max + min) / 2;
    if (max == min)
        return {0, 0, l};

    const double delta = max - min;
    const double s = l < 0.5 ? delta / (max + min) : delta / (2 - max - min);
    double h;
    if (r == max)
        h = (g - b) / delta;
    else if (g == max)
        h = (b - r) / delta + 2;
    else
        h = (r - g) / delta + 4;
    h /= 6;
    if (h < 0)
        h += 1;
    return {h, s, l};
}

WinHsl ColorToWinHsl(ColorValue value) {
    const HslColor hsl = ColorToHsl(value);
    // std::nearbyint rounds halves to the even neighbour in the default rounding mode.
    auto round = [](double x) { return static_cast<int>(std::nearbyint(x)); };
    return {round((HslRange - 1) * hsl.Hue), round(HslRange * hsl.Saturation),
            round(HslRange * hsl.Lightness)};
}

std::string ColorToHexText(ColorValue value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text(6, '0');
    const int channels[] = {RedOf(value), GreenOf(value), BlueOf(value)};
    for (int i = 0; i < 3; ++i) {
        text[2 * i] = digits[channels[i] >> 4];
        text[2 * i + 1] = digits[channels[i] & 15];
    }
    return text;
}

ColorValue ResolveSystemColor(ColorValue value, const SystemColors& system) {
    return value >= 0 ? value : system.SystemColor(value & 255);
}
