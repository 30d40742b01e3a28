#include "core/color/ContrastRatio.h"

#include "core/color/DecimalText.h"
#include "core/color/LinearLight.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double AaLargeRatio = 3, AaNormalRatio = 4.5, AaaNormalRatio = 7;

} // namespace

double RelativeLuminance(ColorValue value) {
    return 0.2126 * LinearLight(RedOf(value)) + 0.7152 * LinearLight(GreenOf(value)) +
           0.0722 * LinearLight(BlueOf(value));
}

double ContrastRatio(ColorValue first, ColorValue second) {
    const double a = RelativeLuminance(first), b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

ContrastLevels ContrastLevelsOf(double ratio) {
    return {ratio >= AaNormalRatio, ratio >= AaLargeRatio, ratio >= AaaNormalRatio, ratio >= AaNormalRatio};
}

std::string ContrastRatioText(double ratio) {
    double shown = std::round(ratio * 100) / 100;
    for (double level : {AaLargeRatio, AaNormalRatio, AaaNormalRatio})
        if (ratio < level && shown >= level)
            shown = std::floor(ratio * 100) / 100;
    return DecimalText(shown, 2) + ":1";
}
