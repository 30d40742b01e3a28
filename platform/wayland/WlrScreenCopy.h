#pragma once

#include "core/picker/ScreenGeometry.h"
#include "platform/wayland/ShmBuffer.h"
#include "platform/wayland/WlrOutputs.h"

#include <QImage>
#include <QRect>

#include <optional>
#include <utility>

class WaylandConnection;
struct wl_output;
struct WlrGlobals;

// Regions of a wlroots desktop's screen, copied through its screen-copy protocol: each monitor copies
// its part of the region from its next frame, and the parts are put together at their places.
class WlrScreenCopy {
public:
    WlrScreenCopy(WaylandConnection& connection, const WlrGlobals& globals)
        : connection_(connection), globals_(globals) {}

    // The pixels of a region in device pixels, the outputs laid out as their monitors are; parts that
    // no monitor shows are black. A null image where a monitor's part cannot be copied.
    QImage Grab(const QRect& region, const WlrOutputs& outputs);

private:
    // The state of one copy, for the listeners.
    struct Capture;
    struct Listeners;
    // The part of the region that one monitor shows, read into the picture at its place.
    bool CaptureInto(QImage& picture, const QRect& region, const WlrOutputs::Output& output,
                     const Monitor& monitor);

    // A region asked of a monitor: its size in the layout, and the monitor as it was.
    struct Shape {
        wl_output* Output;
        QRect Layout;
        QSize Pixels;
        QSize Requested;
        bool operator==(const Shape&) const = default;
    };
    // The buffer the desktop asks for.
    struct Buffer {
        uint32_t Format;
        int Width, Height, Stride;
    };

    WaylandConnection& connection_;
    const WlrGlobals& globals_;
    ShmBuffer capture_;
    // The buffer the last copy was made into, and the region's shape it was for.
    std::optional<std::pair<Shape, Buffer>> known_;
};
