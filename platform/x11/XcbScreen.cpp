#include "platform/x11/XcbScreen.h"

#include <QGuiApplication>

#include <bit>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <xcb/xcb.h>

namespace {

// One channel of a true-colour pixel: where its bits lie and how many there are. A channel of more than
// 8 bits gives its top 8 (the server keeps 8-bit colours there shifted up); one of fewer is scaled up.
struct Channel {
    uint32_t Mask = 0;
    int Shift = 0;
    int Bits = 0;

    explicit Channel(uint32_t mask = 0)
        : Mask(mask), Shift(mask ? std::countr_zero(mask) : 0), Bits(std::popcount(mask)) {}
    int Value(uint32_t pixel) const {
        const uint32_t value = (pixel & Mask) >> Shift;
        if (Bits >= 8)
            return int(value >> (Bits - 8));
        const uint32_t max = (1u << Bits) - 1;
        return max ? int((value * 255 + max / 2) / max) : 0;
    }
};

struct ReplyDeleter {
    void operator()(void* reply) const { std::free(reply); }
};

} // namespace

struct XcbScreen::Root {
    xcb_connection_t* Connection;
    xcb_window_t Window;
    QRect Bounds;
    int BitsPerPixel;
    bool LeastSignificantFirst;
    Channel Red, Green, Blue;
    // Pixels stored as Qt's RGB32 already: rows are copied as they come.
    bool AsIs() const {
        return BitsPerPixel == 32 && LeastSignificantFirst && Red.Mask == 0xff0000 && Green.Mask == 0xff00 &&
               Blue.Mask == 0xff;
    }
};

XcbScreen::XcbScreen() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* connection = x11->connection();
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    if (!screen)
        return;
    const xcb_visualtype_t* visual = nullptr;
    for (auto depth = xcb_screen_allowed_depths_iterator(screen); depth.rem && !visual;
         xcb_depth_next(&depth))
        for (auto type = xcb_depth_visuals_iterator(depth.data); type.rem; xcb_visualtype_next(&type))
            if (type.data->visual_id == screen->root_visual) {
                visual = type.data;
                break;
            }
    if (!visual ||
        (visual->_class != XCB_VISUAL_CLASS_TRUE_COLOR && visual->_class != XCB_VISUAL_CLASS_DIRECT_COLOR))
        return;
    int bitsPerPixel = 0;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem; xcb_format_next(&format))
        if (format.data->depth == screen->root_depth)
            bitsPerPixel = format.data->bits_per_pixel;
    if (bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32)
        return;
    static const Root root{connection,
                           screen->root,
                           QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels),
                           bitsPerPixel,
                           setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST,
                           Channel(visual->red_mask),
                           Channel(visual->green_mask),
                           Channel(visual->blue_mask)};
    root_ = &root;
}

std::optional<QPoint> XcbScreen::Pointer() const {
    if (!root_)
        return std::nullopt;
    const std::unique_ptr<xcb_query_pointer_reply_t, ReplyDeleter> reply(xcb_query_pointer_reply(
        root_->Connection, xcb_query_pointer(root_->Connection, root_->Window), nullptr));
    if (!reply)
        return std::nullopt;
    return QPoint(reply->root_x, reply->root_y);
}

std::optional<QImage> XcbScreen::Grab(const QRect& region) const {
    if (!root_ || region.isEmpty())
        return std::nullopt;
    // The parts outside the root window are black; the request asks for the part inside only.
    const QRect inside = region & root_->Bounds;
    QImage image(region.size(), QImage::Format_RGB32);
    if (inside != region)
        image.fill(Qt::black);
    if (inside.isEmpty())
        return image;
    const std::unique_ptr<xcb_get_image_reply_t, ReplyDeleter> reply(xcb_get_image_reply(
        root_->Connection,
        xcb_get_image(root_->Connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root_->Window, int16_t(inside.x()),
                      int16_t(inside.y()), uint16_t(inside.width()), uint16_t(inside.height()), ~0u),
        nullptr));
    if (!reply)
        return std::nullopt;
    const int bytesPerPixel = root_->BitsPerPixel / 8;
    // Rows are padded to whole 32-bit units.
    const qsizetype rowBytes = (qsizetype(inside.width()) * root_->BitsPerPixel + 31) / 32 * 4;
    if (xcb_get_image_data_length(reply.get()) < rowBytes * inside.height())
        return std::nullopt;
    const uint8_t* data = xcb_get_image_data(reply.get());
    const QPoint at = inside.topLeft() - region.topLeft();
    for (int y = 0; y < inside.height(); ++y) {
        const uint8_t* from = data + y * rowBytes;
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(at.y() + y)) + at.x();
        if (root_->AsIs()) {
            std::memcpy(to, from, size_t(inside.width()) * 4);
            continue;
        }
        for (int x = 0; x < inside.width(); ++x, from += bytesPerPixel) {
            uint32_t pixel = 0;
            for (int byte = 0; byte < bytesPerPixel; ++byte)
                pixel |= uint32_t(from[root_->LeastSignificantFirst ? byte : bytesPerPixel - 1 - byte])
                         << (8 * byte);
            to[x] = qRgb(root_->Red.Value(pixel), root_->Green.Value(pixel), root_->Blue.Value(pixel));
        }
    }
    return image;
}
