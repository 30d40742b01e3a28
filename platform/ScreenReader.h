#pragma once

#include "colour/ColorValue.h"

// Reads the desktop's pixels.
class ScreenReader {
public:
    virtual ~ScreenReader() = default;
    // The colour of the screen pixel at (x, y) in screen coordinates, read afresh on every call.
    // A point that no screen shows gives -1, the value with all 32 bits set.
    virtual ColorValue ScreenPixelSource(int x, int y) = 0;
};
