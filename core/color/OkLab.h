#pragma once

#include "core/color/ColorValue.h"

// A colour in OKLab, the perceptual space CSS's oklab() and oklch() write.
struct OkLab {
    double Lightness; // 0 to 1
    double A;
    double B;
};

// The same in polar form.
struct OkLch {
    double Lightness; // 0 to 1
    double Chroma;    // 0 up to about 0.32 for sRGB colours
    double Hue;       // degrees, 0 up to 360; 0 for a grey, whose hue means nothing
};

// From the channel bytes as sRGB, through linear light and CIE XYZ (D65), as CSS Color 4 converts.
OkLab ColorToOkLab(ColorValue value);
OkLch ColorToOkLch(ColorValue value);
