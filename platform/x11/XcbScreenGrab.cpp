#include "platform/x11/XcbScreenGrab.h"

#include <QGuiApplication>

#include <cstdlib>
#include <cstring>

#include <xcb/xcb.h>

struct XcbScreenGrab::Root {
    xcb_connection_t* Connection;
    xcb_window_t Window;
    QRect Bounds;
};

XcbScreenGrab::XcbScreenGrab() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* connection = x11->connection();
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    // The pixels come back as they are stored; they are Qt's RGB32 only for 24-bit depth in 32-bit
    // units with the least significant byte first.
    if (!screen || screen->root_depth != 24 || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return;
    bool thirtyTwoBits = false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem; xcb_format_next(&format))
        if (format.data->depth == 24)
            thirtyTwoBits = format.data->bits_per_pixel == 32;
    if (!thirtyTwoBits)
        return;
    static const Root root{connection, screen->root,
                           QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels)};
    root_ = &root;
}

std::optional<QImage> XcbScreenGrab::Grab(const QRect& region) const {
    if (!root_ || region.isEmpty() || !root_->Bounds.contains(region))
        return std::nullopt;
    xcb_get_image_cookie_t cookie =
        xcb_get_image(root_->Connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root_->Window,
                      static_cast<int16_t>(region.x()), static_cast<int16_t>(region.y()),
                      static_cast<uint16_t>(region.width()), static_cast<uint16_t>(region.height()), ~0u);
    xcb_get_image_reply_t* reply = xcb_get_image_reply(root_->Connection, cookie, nullptr);
    if (!reply)
        return std::nullopt;
    const int length = xcb_get_image_data_length(reply);
    const qsizetype rowBytes = qsizetype(region.width()) * 4;
    std::optional<QImage> image;
    if (length >= rowBytes * region.height()) {
        image.emplace(region.size(), QImage::Format_RGB32);
        const uint8_t* data = xcb_get_image_data(reply);
        for (int y = 0; y < region.height(); ++y)
            std::memcpy(image->scanLine(y), data + y * rowBytes, rowBytes);
    }
    std::free(reply);
    return image;
}
