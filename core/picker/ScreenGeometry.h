#pragma once

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include <optional>

// The desktop's monitors, each in the screen's device pixels (as the desktop's own tools give
// places) and in the toolkit's scaled pixels, in which windows are placed. The toolkit scales each
// monitor about its own top-left corner, which has the same coordinates in both.
struct Monitor {
    QRect Device;
    double Scale = 1; // device pixels to one of the toolkit's pixels
    // The top-left corner in the toolkit's pixels: the device corner's, but where a desktop lays its
    // monitors out in units of its own (below).
    QPoint Origin = Device.topLeft();
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

// A monitor of a desktop that lays its monitors out in units of its own (a Wayland desktop's logical
// pixels): where it lies in that layout, and the size of its picture in device pixels.
struct LaidOutMonitor {
    QRect Layout;
    QSize Pixels;
};

// Such monitors in one space of device pixels: each as large as its picture, its corner the layout's
// times the largest scale rounded up, so that no two overlap whatever their scales and unscaled
// monitors keep the layout's coordinates. In the same order.
QList<Monitor> InDevicePixels(const QList<LaidOutMonitor>& monitors);
// The device pixel under a point of the layout, fractions included, on the monitor that shows it
// (monitors and placed as InDevicePixels gives them); nothing where no monitor does.
std::optional<QPoint> DevicePixelUnder(QPointF layout, const QList<LaidOutMonitor>& monitors,
                                       const QList<Monitor>& placed);
