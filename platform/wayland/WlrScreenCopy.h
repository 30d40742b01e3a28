#pragma once

#include "core/picker/ScreenGeometry.h"
#include "platform/wayland/ShmBuffer.h"
#include "platform/wayland/WlrOutputs.h"

#include <QImage>
#include <QRect>

#include <memory>
#include <optional>
#include <utility>

class WaylandConnection;
struct wl_output;
struct WlrGlobals;

// Regions of a wlroots desktop's screen, copied through its screen-copy protocol: each monitor copies
// its part of the region from its next frame, and the parts are put together at their places.
class WlrScreenCopy {
public:
    WlrScreenCopy(WaylandConnection& connection, const WlrGlobals& globals);
    ~WlrScreenCopy();

    // The pixels of a region in device pixels, the outputs laid out as their monitors are; parts that
    // no monitor shows are black. A null image where a monitor's part cannot be copied.
    QImage Grab(const QRect& region, const WlrOutputs& outputs);
    // Whether the region may show something else than at its last grab. After a grab of a region on
    // one monitor a copy of it waits for the desktop's next drawing on that monitor: until the desktop
    // draws there again, the region is the same, and its next grab is that copy, made already.
    bool Changed(const QRect& region, const WlrOutputs& outputs) const;
    // Stops waiting for the desktop to draw.
    void Unwatch();

private:
    // The state of one copy, for the listeners.
    struct Capture;
    struct Listeners;

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
    // Memory the desktop copies into, and the region's shape and buffer of the last copy made into it.
    struct Slot {
        ShmBuffer Memory;
        std::optional<std::pair<Shape, Buffer>> Known;
    };
    // The part of a region that one monitor shows, and the layout's pixels asked of it to cover it.
    struct Part {
        QRect Device; // in the device pixels of the whole layout
        QRect Local;  // in the monitor's own device pixels
        QRect Asked;  // in the layout's pixels, from the monitor's corner
        double ScaleX, ScaleY;
        Shape Key;
        // A region of the same size on the same monitor takes a buffer of the same shape wherever it
        // lies.
        bool WholeScale;
        bool operator==(const Part&) const = default;
    };
    static Part PartOf(const QRect& region, const WlrOutputs::Output& output, const Monitor& monitor);
    // The part of a region that lies on one monitor alone, as the region's own; none where it spans
    // monitors or none shows it.
    static std::optional<Part> OnePart(const QRect& region, const WlrOutputs& outputs);
    // Asks for a copy of the part into the slot, sent with the request where the buffer's shape is
    // known already.
    std::unique_ptr<Capture> Ask(const Part& part, Slot& slot, bool waitForDrawing);
    // The capture's part copied, into the picture at its place in the region.
    bool Read(const Capture& capture, QImage& picture, const QRect& region);
    bool CaptureInto(QImage& picture, const QRect& region, const Part& part, Slot& slot);
    // Each monitor's part of the region, copied into the picture through the slot.
    bool CopyParts(QImage& picture, const QRect& region, const WlrOutputs& outputs, Slot& slot);
    void Watch(const QRect& region, const Part& part);

    WaylandConnection& connection_;
    const WlrGlobals& globals_;
    // The magnifier's regions, and the single pixels of the once-a-second sample apart: the sample
    // neither reshapes the magnifier's buffer nor ends the copy that waits in it.
    Slot regions_, pixels_;
    // The copy that waits for the desktop to draw, into the regions' buffer.
    std::unique_ptr<Capture> watch_;
};
