#include "core/color/OkLab.h"

#include "core/color/LinearLight.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector operator*(const Matrix& m, const Vector& v) {
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// CSS Color 4's matrices: sRGB's primaries to XYZ as exact fractions, and XYZ to OKLab's cone space
// recomputed for the same D65 white, so that greys come out with no chroma.
constexpr Matrix LinearSrgbToXyz = {{
    {506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270},
}};
constexpr Matrix XyzToLms = {{
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
}};
constexpr Matrix LmsToOkLab = {{
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
}};

// Up to this chroma the hue is noise of the arithmetic; CSS Color 4 calls it powerless there.
constexpr double GreyChroma = 0.000004;

} // namespace

OkLab ColorToOkLab(ColorValue value) {
    const Vector linear = {LinearLight(RedOf(value)), LinearLight(GreenOf(value)),
                           LinearLight(BlueOf(value))};
    Vector lms = XyzToLms * (LinearSrgbToXyz * linear);
    for (double& cone : lms)
        cone = std::cbrt(cone);
    const Vector lab = LmsToOkLab * lms;
    return {lab[0], lab[1], lab[2]};
}

OkLch ColorToOkLch(ColorValue value) {
    const OkLab lab = ColorToOkLab(value);
    const double chroma = std::hypot(lab.A, lab.B);
    double hue = 0;
    if (chroma > GreyChroma) {
        hue = std::atan2(lab.B, lab.A) * 180 / std::numbers::pi;
        if (hue < 0)
            hue += 360;
    }
    return {lab.Lightness, chroma, hue};
}
