#pragma once

#include "core/color/ColorValue.h"

#include <string>

// The contrast of two colours by WCAG 2.x, from 1 (the same) to 21 (black and white), either order.
double ContrastRatio(ColorValue first, ColorValue second);

// WCAG 2.x relative luminance of the channel bytes: 0 for black, 1 for white.
double RelativeLuminance(ColorValue value);

// Which of WCAG's text levels a ratio meets (large text: 18 pt, or 14 pt bold).
struct ContrastLevels {
    bool AaNormal;  // 4.5
    bool AaLarge;   // 3
    bool AaaNormal; // 7
    bool AaaLarge;  // 4.5
    bool operator==(const ContrastLevels&) const = default;
};
ContrastLevels ContrastLevelsOf(double ratio);

// "4.48:1", "21:1": two decimals at most, never rounded up onto a level the ratio misses, so 4.49996
// reads "4.49:1" and not "4.5:1".
std::string ContrastRatioText(double ratio);
