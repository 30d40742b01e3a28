#include "platform/qt/QtScreenReader.h"

#include "platform/qt/QtMonitors.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include <cmath>

namespace {

ColorValue Packed(QRgb rgb) { return PackRgb(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

bool OnAMonitor(QPoint device, const QList<Monitor>& monitors) {
    return std::any_of(monitors.cbegin(), monitors.cend(),
                       [device](const Monitor& monitor) { return monitor.Device.contains(device); });
}

} // namespace

QtScreenReader::QtScreenReader() : monitors_(QtMonitors()) {
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, &watcher_, [this](QScreen* screen) {
        Watch(screen);
        Refresh();
    });
    QObject::connect(qGuiApp, &QGuiApplication::screenRemoved, &watcher_, [this] { Refresh(); });
    QObject::connect(qGuiApp, &QGuiApplication::primaryScreenChanged, &watcher_, [this] { Refresh(); });
    for (QScreen* screen : QGuiApplication::screens())
        Watch(screen);
}

void QtScreenReader::Watch(QScreen* screen) {
    QObject::connect(screen, &QScreen::geometryChanged, &watcher_, [this] { Refresh(); });
    // Qt's scale of a screen follows its logical resolution.
    QObject::connect(screen, &QScreen::logicalDotsPerInchChanged, &watcher_, [this] { Refresh(); });
}

void QtScreenReader::Refresh() { monitors_ = QtMonitors(); }

QList<Monitor> QtScreenReader::Monitors() const { return monitors_; }

bool QtScreenReader::ScreenChanged(const QRect& region) { return !x11_.Available() || x11_.Changed(region); }

QPoint QtScreenReader::PointerPosition() const {
    if (const auto pointer = x11_.Pointer())
        return *pointer;
    return ToDevicePixels(QCursor::pos(), Monitors());
}

std::optional<ColorValue> QtScreenReader::ScreenPixelSource(int x, int y) {
    const QList<Monitor> monitors = Monitors();
    if (!OnAMonitor({x, y}, monitors))
        return -1;
    const QImage pixel = GrabRegion(QRect(x, y, 1, 1));
    if (pixel.isNull())
        return std::nullopt;
    return Packed(pixel.pixel(0, 0));
}

QImage QtScreenReader::GrabRegion(const QRect& region) {
    if (x11_.Available())
        return x11_.Grab(region).value_or(QImage()); // shares memory with the next grab
    // Through Qt: each monitor's part, grabbed in the toolkit's pixels and drawn back at device size.
    QImage image(region.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    const QList<QScreen*> screens = QGuiApplication::screens();
    const QList<Monitor> monitors = Monitors();
    for (QScreen* screen : screens) {
        const Monitor* monitor = MonitorAt(ToDevicePixels(screen->geometry().topLeft(), monitors), monitors);
        const QRect part = region & monitor->Device;
        if (part.isEmpty())
            continue;
        const QPoint local = ToScaledPixels(part.topLeft(), monitors) - screen->geometry().topLeft();
        const QSize size(int(std::ceil(part.width() / monitor->Scale)),
                         int(std::ceil(part.height() / monitor->Scale)));
        const QPixmap grabbed = screen->grabWindow(0, local.x(), local.y(), size.width(), size.height());
        if (grabbed.isNull())
            return {};
        painter.drawPixmap(QRect(part.topLeft() - region.topLeft(), part.size()), grabbed);
    }
    return image;
}
