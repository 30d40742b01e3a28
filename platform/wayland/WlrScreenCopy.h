#pragma once

#include "core/picker/ScreenGeometry.h"
#include "platform/wayland/ShmBuffer.h"
#include "platform/wayland/WlrOutputs.h"

#include <QImage>
#include <QRect>

class WaylandConnection;
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

    WaylandConnection& connection_;
    const WlrGlobals& globals_;
    ShmBuffer capture_;
};
