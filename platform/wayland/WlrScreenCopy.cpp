#include "platform/wayland/WlrScreenCopy.h"

#include "core/Logging.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WlrGlobals.h"

#include <wayland-client.h>

#include "wlr-screencopy-unstable-v1-client.h"

#include <cmath>
#include <cstring>

namespace {

// A copy is made on the monitor's next frame, a few milliseconds away; a desktop that does not answer
// in this time leaves the screen unread.
constexpr int CaptureTimeoutMs = 500;

// Copies a rectangle of one picture to a place in another of the same format, row by row, leaving out
// what lies outside either: a painter would cost more to set up, at every tick, than the copy itself.
void CopyRows(const QImage& from, const QRect& rectangle, QImage& to, QPoint at) {
    const QRect inside = rectangle & from.rect();
    const QRect target = QRect(at + inside.topLeft() - rectangle.topLeft(), inside.size()) & to.rect();
    const QPoint source = rectangle.topLeft() + target.topLeft() - at;
    const qsizetype bytesPerPixel = from.depth() / 8;
    for (int y = 0; y < target.height(); ++y)
        std::memcpy(to.scanLine(target.top() + y) + target.left() * bytesPerPixel,
                    from.constScanLine(source.y() + y) + source.x() * bytesPerPixel,
                    size_t(target.width() * bytesPerPixel));
}

} // namespace

struct WlrScreenCopy::Capture {
    WlrScreenCopy* Owner = nullptr;
    Slot* Into = nullptr;
    Part Of{};
    // For a copy that waits for drawing: the region whose part it is.
    QRect Region;
    bool WaitForDrawing = false;
    uint32_t Format = 0;
    int Width = 0, Height = 0, Stride = 0;
    bool Offered = false, Copying = false, Ready = false, Failed = false, YInvert = false;
    zwlr_screencopy_frame_v1* Frame = nullptr;

    ~Capture() {
        if (Frame)
            zwlr_screencopy_frame_v1_destroy(Frame);
    }
};

struct WlrScreenCopy::Listeners {
    static void Buffer(void* data, zwlr_screencopy_frame_v1* frame, uint32_t format, uint32_t width,
                       uint32_t height, uint32_t stride) {
        auto* capture = static_cast<Capture*>(data);
        capture->Format = format;
        capture->Width = int(width);
        capture->Height = int(height);
        capture->Stride = int(stride);
        capture->Offered = true;
        if (zwlr_screencopy_frame_v1_get_version(frame) < 3 && !capture->Copying)
            Copy(capture);
    }
    static void Copy(Capture* capture) {
        WlrScreenCopy* copier = capture->Owner;
        wl_buffer* buffer = capture->Offered
                                ? capture->Into->Memory.Get(copier->globals_.Shm, capture->Format,
                                                            capture->Width, capture->Height, capture->Stride)
                                : nullptr;
        if (!buffer) {
            capture->Failed = true;
            return;
        }
        if (capture->WaitForDrawing)
            zwlr_screencopy_frame_v1_copy_with_damage(capture->Frame, buffer);
        else
            zwlr_screencopy_frame_v1_copy(capture->Frame, buffer);
        capture->Copying = true;
    }
    static void Flags(void* data, zwlr_screencopy_frame_v1*, uint32_t flags) {
        static_cast<Capture*>(data)->YInvert = flags & ZWLR_SCREENCOPY_FRAME_V1_FLAGS_Y_INVERT;
    }
    static void Ready(void* data, zwlr_screencopy_frame_v1*, uint32_t, uint32_t, uint32_t) {
        static_cast<Capture*>(data)->Ready = true;
    }
    static void Failed(void* data, zwlr_screencopy_frame_v1*) { static_cast<Capture*>(data)->Failed = true; }
    static void Damage(void*, zwlr_screencopy_frame_v1*, uint32_t, uint32_t, uint32_t, uint32_t) {}
    static void Dmabuf(void*, zwlr_screencopy_frame_v1*, uint32_t, uint32_t, uint32_t) {}
    static void BufferDone(void* data, zwlr_screencopy_frame_v1*) {
        auto* capture = static_cast<Capture*>(data);
        if (!capture->Copying)
            Copy(capture);
    }

    static constexpr zwlr_screencopy_frame_v1_listener Frames{.buffer = Buffer,
                                                              .flags = Flags,
                                                              .ready = Ready,
                                                              .failed = Failed,
                                                              .damage = Damage,
                                                              .linux_dmabuf = Dmabuf,
                                                              .buffer_done = BufferDone};
};

WlrScreenCopy::WlrScreenCopy(WaylandConnection& connection, const WlrGlobals& globals)
    : connection_(connection), globals_(globals) {}

WlrScreenCopy::~WlrScreenCopy() = default;

WlrScreenCopy::Part WlrScreenCopy::PartOf(const QRect& region, const WlrOutputs::Output& output,
                                          const Monitor& monitor) {
    Part part;
    part.Device = monitor.Device.intersected(region);
    part.Local = part.Device.translated(-monitor.Device.topLeft());
    // The desktop copies a region of its layout, so the layout's pixels that cover the part are asked
    // for, and the part cut from their device pixels.
    part.ScaleX = double(monitor.Device.width()) / output.Layout.width();
    part.ScaleY = double(monitor.Device.height()) / output.Layout.height();
    const int left = int(std::floor(part.Local.left() / part.ScaleX));
    const int top = int(std::floor(part.Local.top() / part.ScaleY));
    const int right = int(std::ceil((part.Local.right() + 1) / part.ScaleX));
    const int bottom = int(std::ceil((part.Local.bottom() + 1) / part.ScaleY));
    part.Asked = QRect(left, top, right - left, bottom - top);
    part.Key = Shape{output.Handle, output.Layout, output.Pixels, part.Asked.size()};
    part.WholeScale = monitor.Device.width() % output.Layout.width() == 0 &&
                      monitor.Device.height() % output.Layout.height() == 0;
    return part;
}

std::optional<WlrScreenCopy::Part> WlrScreenCopy::OnePart(const QRect& region, const WlrOutputs& outputs) {
    std::optional<Part> only;
    auto output = outputs.All().begin();
    for (const Monitor& monitor : outputs.Monitors()) {
        if (monitor.Device.intersects(region)) {
            if (only)
                return std::nullopt;
            only = PartOf(region, *output, monitor);
        }
        ++output;
    }
    return only;
}

bool WlrScreenCopy::Changed(const QRect& region, const WlrOutputs& outputs) const {
    if (!watch_ || watch_->Ready || watch_->Failed || region != watch_->Region)
        return true;
    return OnePart(region, outputs) != watch_->Of;
}

void WlrScreenCopy::Unwatch() {
    if (!watch_)
        return;
    watch_.reset();
    connection_.Flush();
}

QImage WlrScreenCopy::Grab(const QRect& region, const WlrOutputs& outputs) {
    QImage picture(region.size(), QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    picture.fill(Qt::black);
    if (region.size() == QSize(1, 1))
        return CopyParts(picture, region, outputs, pixels_) ? picture : QImage();
    const std::optional<Part> one = OnePart(region, outputs);
    // The desktop drew since the last grab of this region, and the copy it then made is this grab.
    if (watch_ && watch_->Ready && region == watch_->Region && one == watch_->Of) {
        const bool read = Read(*watch_, picture, region);
        watch_.reset();
        if (read) {
            Watch(region, *one);
            return picture;
        }
    }
    Unwatch(); // its buffer is this copy's
    if (!CopyParts(picture, region, outputs, regions_))
        return {};
    if (one)
        Watch(region, *one);
    return picture;
}

bool WlrScreenCopy::CopyParts(QImage& picture, const QRect& region, const WlrOutputs& outputs, Slot& slot) {
    bool copied = true;
    auto output = outputs.All().begin();
    for (const Monitor& monitor : outputs.Monitors()) {
        if (copied && monitor.Device.intersects(region))
            copied = CaptureInto(picture, region, PartOf(region, *output, monitor), slot);
        ++output;
    }
    connection_.Flush(); // the copies' ends
    return copied;
}

std::unique_ptr<WlrScreenCopy::Capture> WlrScreenCopy::Ask(const Part& part, Slot& slot,
                                                           bool waitForDrawing) {
    auto capture = std::make_unique<Capture>();
    capture->Owner = this;
    capture->Into = &slot;
    capture->Of = part;
    capture->WaitForDrawing = waitForDrawing;
    capture->Frame = zwlr_screencopy_manager_v1_capture_output_region(
        globals_.Screencopy, 0, part.Key.Output, part.Asked.x(), part.Asked.y(), part.Asked.width(),
        part.Asked.height());
    zwlr_screencopy_frame_v1_add_listener(capture->Frame, &Listeners::Frames, capture.get());
    // At a whole scale the copy goes with the request, saving a wait for the desktop's answer.
    if (part.WholeScale && slot.Known && slot.Known->first == part.Key) {
        const Buffer& known = slot.Known->second;
        capture->Format = known.Format;
        capture->Width = known.Width;
        capture->Height = known.Height;
        capture->Stride = known.Stride;
        capture->Offered = true;
        Listeners::Copy(capture.get());
    }
    return capture;
}

void WlrScreenCopy::Watch(const QRect& region, const Part& part) {
    // Only a copy sent with its request can wait unread: one that waits for the buffer's shape first
    // would need a look at the desktop's answer before it is even asked for.
    if (!part.WholeScale || !regions_.Known || regions_.Known->first != part.Key ||
        zwlr_screencopy_manager_v1_get_version(globals_.Screencopy) < 2)
        return;
    watch_ = Ask(part, regions_, true);
    watch_->Region = region;
    connection_.Flush();
}

bool WlrScreenCopy::CaptureInto(QImage& picture, const QRect& region, const Part& part, Slot& slot) {
    const std::unique_ptr<Capture> capture = Ask(part, slot, false);
    const bool answered =
        connection_.WaitUntil([&] { return capture->Ready || capture->Failed; }, CaptureTimeoutMs);
    if (!answered || capture->Failed) {
        slot.Known.reset();
        qCDebug(lcWlroots, "the desktop %s the copy of a monitor's region",
                answered ? "refused" : "did not answer");
        return false;
    }
    if (part.WholeScale)
        slot.Known.emplace(part.Key,
                           Buffer{capture->Format, capture->Width, capture->Height, capture->Stride});
    return Read(*capture, picture, region);
}

bool WlrScreenCopy::Read(const Capture& capture, QImage& picture, const QRect& region) {
    const Part& part = capture.Of;
    QImage::Format format;
    switch (capture.Format) {
    case WL_SHM_FORMAT_XRGB8888:
    case WL_SHM_FORMAT_ARGB8888:
        format = QImage::Format_RGB32;
        break;
    case WL_SHM_FORMAT_XBGR8888:
    case WL_SHM_FORMAT_ABGR8888:
        format = QImage::Format_RGBX8888;
        break;
    default:
        qCWarning(lcWlroots, "a screen copy in the unknown pixel layout %#x is not read", capture.Format);
        return false; // a pixel layout this reader does not know: better unread than wrong
    }
    QImage copied(capture.Into->Memory.Pixels(), capture.Width, capture.Height, capture.Stride, format);
    if (capture.YInvert)
        copied = copied.mirrored(false, true);
    if (copied.format() != QImage::Format_RGB32)
        copied = std::move(copied).convertToFormat(QImage::Format_RGB32);
    // The copy starts at the device pixel of the region's corner, as the desktop rounds it.
    const QPoint copyCorner(int(part.Asked.left() * part.ScaleX), int(part.Asked.top() * part.ScaleY));
    CopyRows(copied, QRect(part.Local.topLeft() - copyCorner, part.Device.size()), picture,
             part.Device.topLeft() - region.topLeft());
    return true;
}
