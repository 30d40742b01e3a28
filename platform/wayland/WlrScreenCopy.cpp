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
    WlrScreenCopy* Owner;
    uint32_t Format = 0;
    int Width = 0, Height = 0, Stride = 0;
    bool Offered = false, Copying = false, Ready = false, Failed = false, YInvert = false;
    zwlr_screencopy_frame_v1* Frame = nullptr;
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
                                ? copier->capture_.Get(copier->globals_.Shm, capture->Format, capture->Width,
                                                       capture->Height, capture->Stride)
                                : nullptr;
        if (!buffer) {
            capture->Failed = true;
            return;
        }
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

QImage WlrScreenCopy::Grab(const QRect& region, const WlrOutputs& outputs) {
    QImage picture(region.size(), QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    picture.fill(Qt::black);
    const QList<Monitor> monitors = outputs.Monitors();
    auto output = outputs.All().begin();
    for (const Monitor& monitor : monitors) {
        if (monitor.Device.intersects(region) && !CaptureInto(picture, region, *output, monitor))
            return {};
        ++output;
    }
    return picture;
}

bool WlrScreenCopy::CaptureInto(QImage& picture, const QRect& region, const WlrOutputs::Output& output,
                                const Monitor& monitor) {
    const QRect part = monitor.Device.intersected(region);
    const QRect local = part.translated(-monitor.Device.topLeft());
    // The desktop copies a region of its layout, so the layout's pixels that cover the part are asked
    // for, and the part cut from their device pixels.
    const double scaleX = double(monitor.Device.width()) / output.Layout.width();
    const double scaleY = double(monitor.Device.height()) / output.Layout.height();
    const int left = int(std::floor(local.left() / scaleX)), top = int(std::floor(local.top() / scaleY));
    const int right = int(std::ceil((local.right() + 1) / scaleX));
    const int bottom = int(std::ceil((local.bottom() + 1) / scaleY));
    Capture capture{this};
    capture.Frame = zwlr_screencopy_manager_v1_capture_output_region(globals_.Screencopy, 0, output.Handle,
                                                                     left, top, right - left, bottom - top);
    zwlr_screencopy_frame_v1_add_listener(capture.Frame, &Listeners::Frames, &capture);
    // At a whole scale, a region of the same size on the same monitor takes a buffer of the same shape
    // wherever it lies: the copy goes with the request, saving a wait for the desktop's answer.
    const bool wholeScale = monitor.Device.width() % output.Layout.width() == 0 &&
                            monitor.Device.height() % output.Layout.height() == 0;
    const Shape shape{output.Handle, output.Layout, output.Pixels, QSize(right - left, bottom - top)};
    if (wholeScale && known_ && known_->first == shape) {
        capture.Format = known_->second.Format;
        capture.Width = known_->second.Width;
        capture.Height = known_->second.Height;
        capture.Stride = known_->second.Stride;
        capture.Offered = true;
        Listeners::Copy(&capture);
    }
    const bool answered =
        connection_.WaitUntil([&] { return capture.Ready || capture.Failed; }, CaptureTimeoutMs);
    zwlr_screencopy_frame_v1_destroy(capture.Frame);
    connection_.Flush();
    if (!answered || capture.Failed) {
        known_.reset();
        qCDebug(lcWlroots, "the desktop %s the copy of a monitor's region",
                answered ? "refused" : "did not answer");
        return false;
    }
    if (wholeScale)
        known_.emplace(shape, Buffer{capture.Format, capture.Width, capture.Height, capture.Stride});

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
    QImage copied(capture_.Pixels(), capture.Width, capture.Height, capture.Stride, format);
    if (capture.YInvert)
        copied = copied.mirrored(false, true);
    if (copied.format() != QImage::Format_RGB32)
        copied = std::move(copied).convertToFormat(QImage::Format_RGB32);
    // The copy starts at the device pixel of the region's corner, as the desktop rounds it.
    const QPoint copyCorner(int(left * scaleX), int(top * scaleY));
    CopyRows(copied, QRect(local.topLeft() - copyCorner, part.size()), picture,
             part.topLeft() - region.topLeft());
    return true;
}
