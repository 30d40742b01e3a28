#pragma once

#include "core/color/ColorValue.h"

#include <span>

// The mean of colours channel by channel in their sRGB values, halves rounded up; black for none.
ColorValue MeanColor(std::span<const ColorValue> colors);
