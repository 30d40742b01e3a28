#pragma once

#include "core/color/ColorValue.h"
#include "core/picker/ScreenGeometry.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>

#include <optional>

// Reads the desktop in its device pixels, the coordinates the desktop's own tools give: the pointer's
// hot spot, the pixels and the monitors, whatever the toolkit's scaling.
class ScreenReader {
public:
    virtual ~ScreenReader() = default;

    virtual QPoint PointerPosition() const = 0;
    // Whether the desktop has said where the pointer is: some say so only once they share the screen,
    // or once the pointer crosses a window of the program's.
    virtual bool PointerKnown() const { return true; }

    // The colour of the device pixel at (x, y), read afresh on every call; nothing where the screen
    // cannot be read. A point that no monitor shows gives -1, the value with all 32 bits set.
    virtual std::optional<ColorValue> ScreenPixelSource(int x, int y) = 0;

    // The pixels of a rectangle, as an image of its size; parts that no monitor shows are black. A
    // null image where the screen cannot be read.
    virtual QImage GrabRegion(const QRect& region) = 0;

    // The monitors, the primary one first.
    virtual QList<Monitor> Monitors() const = 0;

    // Whether anything was drawn in the region (in device pixels) since the last call; true where that
    // cannot be known. Drawing elsewhere, such as the program's own windows, does not count.
    virtual bool ScreenChanged(const QRect& region) = 0;
};
