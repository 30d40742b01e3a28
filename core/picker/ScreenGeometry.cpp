#include "core/picker/ScreenGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

qint64 DistanceSquared(QPoint point, const QRect& rect) {
    const qint64 dx =
        point.x() < rect.left() ? rect.left() - point.x() : std::max(0, point.x() - rect.right());
    const qint64 dy =
        point.y() < rect.top() ? rect.top() - point.y() : std::max(0, point.y() - rect.bottom());
    return dx * dx + dy * dy;
}

// The monitor that shows a point of the toolkit's, or the nearest one.
const Monitor* ScaledMonitorAt(QPoint scaled, const QList<Monitor>& monitors) {
    const Monitor* nearest = nullptr;
    qint64 best = std::numeric_limits<qint64>::max();
    for (const Monitor& monitor : monitors)
        if (const qint64 distance = DistanceSquared(scaled, monitor.Scaled()); distance < best) {
            best = distance;
            nearest = &monitor;
        }
    return nearest;
}

int Round(double value) { return static_cast<int>(std::lround(value)); }

} // namespace

QRect Monitor::Scaled() const {
    return {Origin, QSize(Round(Device.width() / Scale), Round(Device.height() / Scale))};
}

const Monitor* MonitorAt(QPoint device, const QList<Monitor>& monitors) {
    const Monitor* nearest = nullptr;
    qint64 best = std::numeric_limits<qint64>::max();
    for (const Monitor& monitor : monitors)
        if (const qint64 distance = DistanceSquared(device, monitor.Device); distance < best) {
            best = distance;
            nearest = &monitor;
        }
    return nearest;
}

QPoint ToDevicePixels(QPoint scaled, const QList<Monitor>& monitors) {
    const Monitor* monitor = ScaledMonitorAt(scaled, monitors);
    if (!monitor)
        return scaled;
    const QPointF offset = QPointF(scaled - monitor->Origin) * monitor->Scale;
    return monitor->Device.topLeft() + QPoint(Round(offset.x()), Round(offset.y()));
}

QRect ToDevicePixels(const QRect& scaled, const QList<Monitor>& monitors) {
    const Monitor* monitor = ScaledMonitorAt(scaled.topLeft(), monitors);
    const double scale = monitor ? monitor->Scale : 1;
    return {ToDevicePixels(scaled.topLeft(), monitors),
            QSize(Round(scaled.width() * scale), Round(scaled.height() * scale))};
}

QPoint ToScaledPixels(QPoint device, const QList<Monitor>& monitors) {
    const Monitor* monitor = MonitorAt(device, monitors);
    if (!monitor)
        return device;
    const QPointF offset = QPointF(device - monitor->Device.topLeft()) / monitor->Scale;
    return monitor->Origin +
           QPoint(static_cast<int>(std::floor(offset.x())), static_cast<int>(std::floor(offset.y())));
}

QList<Monitor> InDevicePixels(const QList<LaidOutMonitor>& monitors) {
    double largest = 1;
    for (const LaidOutMonitor& monitor : monitors)
        if (!monitor.Layout.isEmpty())
            largest = std::max(largest, double(monitor.Pixels.width()) / monitor.Layout.width());
    const int spread = static_cast<int>(std::ceil(largest - 1e-9));
    QList<Monitor> placed;
    for (const LaidOutMonitor& monitor : monitors) {
        const double scale =
            monitor.Layout.isEmpty() ? 1 : double(monitor.Pixels.width()) / monitor.Layout.width();
        placed.append(
            {QRect(monitor.Layout.topLeft() * spread, monitor.Pixels), scale, monitor.Layout.topLeft()});
    }
    return placed;
}

std::optional<QPoint> DevicePixelUnder(QPointF layout, const QList<LaidOutMonitor>& monitors,
                                       const QList<Monitor>& placed) {
    for (qsizetype i = 0; i < monitors.size() && i < placed.size(); ++i) {
        const QRect& area = monitors[i].Layout;
        const QPointF local = layout - QPointF(area.topLeft());
        if (area.isEmpty() || local.x() < 0 || local.y() < 0 || local.x() >= area.width() ||
            local.y() >= area.height())
            continue;
        const QRect& device = placed[i].Device;
        // Each axis by its own ratio: a rotated or oddly sized picture need not keep the layout's shape.
        const int x = std::min(device.width() - 1,
                               static_cast<int>(std::floor(local.x() * device.width() / area.width())));
        const int y = std::min(device.height() - 1,
                               static_cast<int>(std::floor(local.y() * device.height() / area.height())));
        return device.topLeft() + QPoint(x, y);
    }
    return std::nullopt;
}
