#pragma once

#include "core/colour/ColorValue.h"

#include <span>

// The mean of colours channel by channel in their sRGB values, halves rounded up; black for none.
ColorValue MeanColour(std::span<const ColorValue> colours);
