#pragma once

#include "core/colour/ColorValue.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

// Reads the desktop: the pointer, the pixels and the primary screen's size. Coordinates are screen
// pixels; the primary screen's top-left corner is (0, 0).
class ScreenReader {
public:
    virtual ~ScreenReader() = default;

    virtual QPoint PointerPosition() const = 0;

    // The colour of the screen pixel at (x, y), read afresh on every call. A point that no screen
    // shows gives -1, the value with all 32 bits set.
    virtual ColorValue ScreenPixelSource(int x, int y) = 0;

    // The pixels of a rectangle of the desktop, as an image of the rectangle's size; parts that no
    // screen shows are black.
    virtual QImage GrabRegion(const QRect& region) = 0;

    virtual QSize PrimaryScreenSize() const = 0;
};
