#pragma once

#include "platform/ScreenReader.h"

class QtScreenReader final : public ScreenReader {
public:
    ColorValue ScreenPixelSource(int x, int y) override;
};
