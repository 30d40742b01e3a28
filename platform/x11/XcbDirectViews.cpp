#include "platform/x11/XcbDirectViews.h"

#include "platform/x11/XcbSharedMemory.h"

#include <QAbstractEventDispatcher>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <array>
#include <cstdlib>
#include <cstring>

#include <xcb/shm.h>
#include <xcb/xcb.h>

namespace {

class XcbDirectView final : public QObject, public DirectView {
public:
    XcbDirectView(xcb_connection_t* x, QWidget& control, uint8_t depth)
        : x_(x), control_(control), window_(xcb_window_t(control.winId())),
          depth_(depth), buffers_{XcbSharedMemory(x), XcbSharedMemory(x)} {
        pen_ = xcb_generate_id(x_);
        xcb_create_gc(x_, pen_, window_, 0, nullptr);
        if (QWindow* window = control.windowHandle())
            window->installEventFilter(this);
    }

    ~XcbDirectView() override {
        for (XcbSharedMemory& buffer : buffers_)
            buffer.Release();
        xcb_free_gc(x_, pen_);
        xcb_flush(x_);
    }

    bool Put(const QImage& picture, const QRegion& changed) override {
        // A put before the server shows the window is lost, and Qt's first paint of it would cover it.
        if (!control_.windowHandle() || !control_.windowHandle()->isExposed())
            return false;
        const int width = picture.width(), height = picture.height();
        const size_t rowBytes = size_t(width) * 4;
        XcbSharedMemory& buffer = buffers_[next_];
        // Only the changed parts go to the server, which reads nothing else of the buffer: the rest of
        // it may hold an older picture.
        const QRegion parts = changed & picture.rect();
        // A picture drawn on the canvas is there already.
        if (picture.constBits() != buffer.Memory()) {
            if (!buffer.HoldAtLeast(rowBytes * height))
                return false;
            for (const QRect& part : parts) {
                const size_t partBytes = size_t(part.width()) * 4;
                for (int y = part.top(); y <= part.bottom(); ++y)
                    std::memcpy(buffer.Memory() + y * rowBytes + size_t(part.left()) * 4,
                                picture.constScanLine(y) + size_t(part.left()) * 4, partBytes);
            }
        }
        next_ = 1 - next_;
        for (const QRect& part : parts)
            xcb_shm_put_image(x_, window_, pen_, uint16_t(width), uint16_t(height), int16_t(part.left()),
                              int16_t(part.top()), uint16_t(part.width()), uint16_t(part.height()),
                              int16_t(part.left()), int16_t(part.top()), depth_, XCB_IMAGE_FORMAT_Z_PIXMAP, 0,
                              buffer.Segment(), 0);
        return true;
    }

    QImage Canvas(QSize size) override {
        const size_t rowBytes = size_t(size.width()) * 4;
        XcbSharedMemory& buffer = buffers_[next_];
        if (size.isEmpty() || !buffer.HoldAtLeast(rowBytes * size.height()))
            return {};
        return QImage(buffer.Memory(), size.width(), size.height(), qsizetype(rowBytes),
                      QImage::Format_RGB32);
    }

protected:
    // Qt's own copy of the window's pixels is older than the last put: an uncovered window is painted
    // anew instead of showing it.
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Expose)
            control_.update();
        return false;
    }

private:
    xcb_connection_t* x_;
    QWidget& control_;
    xcb_window_t window_;
    uint8_t depth_;
    xcb_gcontext_t pen_ = 0;
    // Two, so that the server may still read one while the next picture goes into the other.
    std::array<XcbSharedMemory, 2> buffers_;
    int next_ = 0;
};

// Pictures are Qt's RGB32, which is the server's own pixel format only for 24 bits kept in 32.
bool KeepsPicturePixels(const xcb_setup_t* setup, uint8_t depth) {
    if (depth != 24 || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem; xcb_format_next(&format))
        if (format.data->depth == depth)
            return format.data->bits_per_pixel == 32;
    return false;
}

} // namespace

std::unique_ptr<DirectView> XcbDirectViews::Create(QWidget* control) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11)
        return nullptr;
    xcb_connection_t* x = x11->connection();
    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(x, &xcb_shm_id);
    if (!shm || !shm->present)
        return nullptr;
    // A window of the control's own, inside windows of its parents' (Qt places a native window only
    // within a native parent), and none for the controls beside them.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    control->setAttribute(Qt::WA_NativeWindow);
    const auto window = xcb_window_t(control->winId());
    xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr);
    const uint8_t depth = geometry ? geometry->depth : 0;
    std::free(geometry);
    if (!KeepsPicturePixels(xcb_get_setup(x), depth))
        return nullptr;
    // Puts are sent when the event loop is about to wait: those of one tick, the magnifier's and the
    // position line's, go to the server together, in one write that wakes it once. One flush serves
    // every view on the connection.
    if (!flushesBeforeWaits_) {
        if (auto* loop = QAbstractEventDispatcher::instance()) {
            QObject::connect(loop, &QAbstractEventDispatcher::aboutToBlock, qGuiApp, [x] { xcb_flush(x); });
            flushesBeforeWaits_ = true;
        }
    }
    return std::make_unique<XcbDirectView>(x, *control, depth);
}
