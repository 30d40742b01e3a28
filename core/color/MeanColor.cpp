#include "core/color/MeanColor.h"

ColorValue MeanColor(std::span<const ColorValue> colors) {
    if (colors.empty())
        return PackRgb(0, 0, 0);
    long long red = 0, green = 0, blue = 0;
    for (const ColorValue color : colors) {
        red += RedOf(color);
        green += GreenOf(color);
        blue += BlueOf(color);
    }
    const auto n = static_cast<long long>(colors.size());
    // sum / n + 1/2, rounded down, in whole numbers
    const auto mean = [n](long long sum) { return static_cast<int>((2 * sum + n) / (2 * n)); };
    return PackRgb(mean(red), mean(green), mean(blue));
}
