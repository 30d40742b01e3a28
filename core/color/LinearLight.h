#pragma once

#include <cmath>

// A channel byte in linear light, 0 to 1, by the sRGB transfer curve. WCAG 2.x prints 0.03928 for the
// break point where sRGB and CSS have 0.04045; no byte falls between the two (10/255 is below both,
// 11/255 above), so either gives the same contrast.
inline double LinearLight(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
