#include "core/colour/MeanColour.h"

ColorValue MeanColour(std::span<const ColorValue> colours) {
    if (colours.empty())
        return PackRgb(0, 0, 0);
    long long red = 0, green = 0, blue = 0;
    for (const ColorValue colour : colours) {
        red += RedOf(colour);
        green += GreenOf(colour);
        blue += BlueOf(colour);
    }
    const auto n = static_cast<long long>(colours.size());
    // sum / n + 1/2, rounded down, in whole numbers
    const auto mean = [n](long long sum) { return static_cast<int>((2 * sum + n) / (2 * n)); };
    return PackRgb(mean(red), mean(green), mean(blue));
}
