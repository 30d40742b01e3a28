#pragma once

#include "core/color/ColorValue.h"
#include "core/picker/ScreenGeometry.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>

#include <functional>
#include <memory>
#include <optional>

// A monitor the desktop shares: its PipeWire node, and where it lies on the desktop in the desktop's own
// layout (its logical pixels, or on some desktops its device pixels); an empty place where the desktop
// does not say.
struct SharedMonitor {
    quint32 Node = 0;
    QRect Place;
};

// The frames of shared monitors, taken from PipeWire on a thread of its own. The newest frame of each
// monitor stays with the program (the desktop draws into its other buffers meanwhile), so a frame
// costs no copy; the reads pick what they need from it. Places are in device pixels: each monitor as
// large as its frames, laid out as the desktop lays out its monitors (InDevicePixels).
class PipeWireScreen {
public:
    // Takes its own copy of the connection to PipeWire; ended runs, on PipeWire's thread, when a shared
    // monitor goes away or the connection fails.
    PipeWireScreen(int pipeWireFd, const QList<SharedMonitor>& monitors, std::function<void()> ended);
    ~PipeWireScreen();
    PipeWireScreen(const PipeWireScreen&) = delete;
    PipeWireScreen& operator=(const PipeWireScreen&) = delete;

    // Where the pointer was last seen on a monitor; nothing before it has been.
    std::optional<QPoint> Pointer() const;
    // Whether any monitor has sent a picture yet.
    bool HasPicture() const;
    // Nothing where the monitor showing the point has no frame yet; -1 where no monitor shows it.
    std::optional<ColorValue> Pixel(QPoint device) const;
    // A null image until every monitor the region touches has a frame.
    QImage Grab(const QRect& region) const;
    QList<Monitor> Monitors() const;
    // Whether a monitor the region touches has a new frame since the last call; true before its first.
    bool Changed(const QRect& region);

private:
    struct Connection;
    std::unique_ptr<Connection> connection_;
};
