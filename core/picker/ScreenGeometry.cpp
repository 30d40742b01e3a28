#include "core/picker/ScreenGeometry.h"

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
    return {Device.topLeft(), QSize(Round(Device.width() / Scale), Round(Device.height() / Scale))};
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
    const QPoint origin = monitor->Device.topLeft();
    const QPointF offset = QPointF(scaled - origin) * monitor->Scale;
    return origin + QPoint(Round(offset.x()), Round(offset.y()));
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
    const QPoint origin = monitor->Device.topLeft();
    const QPointF offset = QPointF(device - origin) / monitor->Scale;
    return origin +
           QPoint(static_cast<int>(std::floor(offset.x())), static_cast<int>(std::floor(offset.y())));
}
