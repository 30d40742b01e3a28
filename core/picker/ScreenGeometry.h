#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// The desktop's monitors, each in the screen's device pixels (as the desktop's own tools give
// places) and in the toolkit's scaled pixels, in which windows are placed. The toolkit scales each
// monitor about its own top-left corner, which has the same coordinates in both.
struct Monitor {
    QRect Device;
    double Scale = 1; // device pixels to one of the toolkit's pixels
    bool operator==(const Monitor&) const = default;

    QRect Scaled() const;
};

// The monitor that shows a device point, or the nearest one to it; none without monitors.
const Monitor* MonitorAt(QPoint device, const QList<Monitor>& monitors);

// A point or a rectangle in the toolkit's pixels in device pixels, by the monitor that shows it (a
// rectangle by its top-left corner).
QPoint ToDevicePixels(QPoint scaled, const QList<Monitor>& monitors);
QRect ToDevicePixels(const QRect& scaled, const QList<Monitor>& monitors);
// A device point in the toolkit's pixels.
QPoint ToScaledPixels(QPoint device, const QList<Monitor>& monitors);
