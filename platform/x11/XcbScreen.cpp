#include "platform/x11/XcbScreen.h"

#include "core/Logging.h"
#include "platform/x11/XcbSharedMemory.h"

#include <memory>

#include <QGuiApplication>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <xcb/damage.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

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
template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, ReplyDeleter>;

const xcb_visualtype_t* RootVisual(const xcb_screen_t* screen) {
    for (auto depth = xcb_screen_allowed_depths_iterator(screen); depth.rem; xcb_depth_next(&depth))
        for (auto type = xcb_depth_visuals_iterator(depth.data); type.rem; xcb_visualtype_next(&type))
            if (type.data->visual_id == screen->root_visual)
                return type.data;
    return nullptr;
}

} // namespace

struct XcbScreen::Root {
    xcb_connection_t* Connection = nullptr;
    xcb_window_t Window = 0;
    QRect Bounds;
    int BitsPerPixel = 0;
    bool LeastSignificantFirst = true;
    Channel Red, Green, Blue;
    // Shared memory the server writes grabs into; none where the server has no MIT-SHM.
    bool Shared = false;
    std::unique_ptr<XcbSharedMemory> Memory;
    // The last grab's picture over it.
    QImage Grabbed;
    // The drawing on the root window, kept by the server; none where it has no DAMAGE.
    xcb_damage_damage_t Damage = 0;
    // Where the damage is taken to when it is looked at.
    xcb_xfixes_region_t Drawn = 0;
    // What was drawn since the last look, fetched already; Whole when it could not be read, or when
    // nobody looked for so long that the rectangles are not worth keeping.
    std::vector<QRect> Fetched;
    bool Whole = false;
    // Whether the drawing was fetched since the last look: each look at the pointer fetches it.
    bool Asked = false;

    // Asks for the rectangles drawn in since the last time, and clears them on the server.
    xcb_xfixes_fetch_region_cookie_t AskDrawn() {
        Asked = true;
        xcb_damage_subtract(Connection, Damage, XCB_NONE, Drawn);
        return xcb_xfixes_fetch_region(Connection, Drawn);
    }

    // Takes a reply with the rectangles drawn in, and frees it; null where they could not be read. The
    // damage reports that came with it say no more than the rectangles, and are let go.
    void Keep(xcb_xfixes_fetch_region_reply_t* reply) {
        while (xcb_generic_event_t* report = xcb_poll_for_queued_event(Connection))
            std::free(report);
        const ReplyPtr<xcb_xfixes_fetch_region_reply_t> drawn(reply);
        if (!drawn || Fetched.size() > 256) {
            Whole = true;
            Fetched.clear();
            return;
        }
        const xcb_rectangle_t* rectangles = xcb_xfixes_fetch_region_rectangles(drawn.get());
        const int count = xcb_xfixes_fetch_region_rectangles_length(drawn.get());
        for (int i = 0; i < count && !Whole; ++i)
            Fetched.emplace_back(rectangles[i].x, rectangles[i].y, rectangles[i].width, rectangles[i].height);
    }

    ~Root() {
        Memory.reset();
        if (Connection)
            xcb_disconnect(Connection);
    }

    // Pixels stored as Qt's RGB32 already: they are used as they come.
    bool AsIs() const {
        return BitsPerPixel == 32 && LeastSignificantFirst && Red.Mask == 0xff0000 && Green.Mask == 0xff00 &&
               Blue.Mask == 0xff;
    }
};

XcbScreen::XcbScreen() {
    // Only the server Qt shows the windows on: under Wayland, an X server for older programs may be
    // there too, but its root window is not what the user sees.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto root = std::make_unique<Root>();
    root->Connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(root->Connection)) {
        qCWarning(lcX11, "no connection to the X server: the screen is read through Qt");
        return;
    }
    const xcb_setup_t* setup = xcb_get_setup(root->Connection);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    const xcb_visualtype_t* visual = screen ? RootVisual(screen) : nullptr;
    if (!visual ||
        (visual->_class != XCB_VISUAL_CLASS_TRUE_COLOR && visual->_class != XCB_VISUAL_CLASS_DIRECT_COLOR)) {
        qCWarning(lcX11, "the X screen has no true-colour visual: the screen is read through Qt");
        return;
    }
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem; xcb_format_next(&format))
        if (format.data->depth == screen->root_depth)
            root->BitsPerPixel = format.data->bits_per_pixel;
    if (root->BitsPerPixel != 16 && root->BitsPerPixel != 24 && root->BitsPerPixel != 32) {
        qCWarning(lcX11, "the X screen keeps %d bits a pixel: the screen is read through Qt",
                  root->BitsPerPixel);
        return;
    }
    root->Window = screen->root;
    root->Bounds = QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels);
    root->LeastSignificantFirst = setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
    root->Red = Channel(visual->red_mask);
    root->Green = Channel(visual->green_mask);
    root->Blue = Channel(visual->blue_mask);

    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(root->Connection, &xcb_shm_id);
    root->Shared = shm && shm->present;
    root->Memory = std::make_unique<XcbSharedMemory>(root->Connection);
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(root->Connection, &xcb_damage_id);
    const xcb_query_extension_reply_t* fixes = xcb_get_extension_data(root->Connection, &xcb_xfixes_id);
    if (damage && damage->present && fixes && fixes->present &&
        ReplyPtr<xcb_xfixes_query_version_reply_t>(xcb_xfixes_query_version_reply(
            root->Connection, xcb_xfixes_query_version(root->Connection, 2, 0), nullptr)) &&
        ReplyPtr<xcb_damage_query_version_reply_t>(xcb_damage_query_version_reply(
            root->Connection, xcb_damage_query_version(root->Connection, 1, 1), nullptr))) {
        root->Damage = xcb_generate_id(root->Connection);
        // The rectangles are asked for at each look, so the reports are not needed: the fewest, one
        // when the damage stops being empty (a screen of small squares drawn again would otherwise be
        // thousands). Left unread while picking is off, nothing more comes.
        xcb_damage_create(root->Connection, root->Damage, root->Window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        root->Drawn = xcb_generate_id(root->Connection);
        xcb_xfixes_create_region(root->Connection, root->Drawn, 0, nullptr);
        xcb_flush(root->Connection);
    }
    root_ = std::move(root);
}

XcbScreen::~XcbScreen() = default;

std::optional<QPoint> XcbScreen::Pointer() const {
    if (!root_)
        return std::nullopt;
    xcb_connection_t* x = root_->Connection;
    const xcb_query_pointer_cookie_t pointer = xcb_query_pointer(x, root_->Window);
    // What was drawn since the last look is fetched in the same wait as the pointer, reported or not:
    // to learn whether it was reported would take a read of the connection of its own at every tick.
    const auto drawn = root_->Damage ? std::optional(root_->AskDrawn()) : std::nullopt;
    const ReplyPtr<xcb_query_pointer_reply_t> reply(xcb_query_pointer_reply(x, pointer, nullptr));
    if (drawn)
        root_->Keep(xcb_xfixes_fetch_region_reply(x, *drawn, nullptr));
    if (!reply)
        return std::nullopt;
    return QPoint(reply->root_x, reply->root_y);
}

bool XcbScreen::Changed(const QRect& region) {
    if (!root_ || !root_->Damage)
        return true;
    Root& root = *root_;
    if (!root.Asked)
        root.Keep(xcb_xfixes_fetch_region_reply(root.Connection, root.AskDrawn(), nullptr));
    const bool changed =
        root.Whole || std::any_of(root.Fetched.begin(), root.Fetched.end(),
                                  [&region](const QRect& area) { return region.intersects(area); });
    root.Fetched.clear();
    root.Whole = false;
    root.Asked = false;
    return changed;
}

std::optional<QImage> XcbScreen::Grab(const QRect& region) {
    if (!root_ || region.isEmpty())
        return std::nullopt;
    Root& root = *root_;
    // The parts outside the root window are black; the request asks for the part inside only.
    const QRect inside = region & root.Bounds;
    const qsizetype rowBytes = (qsizetype(inside.width()) * root.BitsPerPixel + 31) / 32 * 4;
    const uint8_t* data = nullptr;
    ReplyPtr<xcb_get_image_reply_t> copied;
    if (!inside.isEmpty()) {
        const auto x = int16_t(inside.x()), y = int16_t(inside.y());
        const auto width = uint16_t(inside.width()), height = uint16_t(inside.height());
        if (root.Shared && root.Memory->HoldAtLeast(size_t(rowBytes) * height)) {
            if (!ReplyPtr<xcb_shm_get_image_reply_t>(xcb_shm_get_image_reply(
                    root.Connection,
                    xcb_shm_get_image(root.Connection, root.Window, x, y, width, height, ~0u,
                                      XCB_IMAGE_FORMAT_Z_PIXMAP, root.Memory->Segment(), 0),
                    nullptr)))
                return std::nullopt;
            data = root.Memory->Memory();
        } else {
            copied.reset(xcb_get_image_reply(root.Connection,
                                             xcb_get_image(root.Connection, XCB_IMAGE_FORMAT_Z_PIXMAP,
                                                           root.Window, x, y, width, height, ~0u),
                                             nullptr));
            if (!copied || xcb_get_image_data_length(copied.get()) < rowBytes * inside.height())
                return std::nullopt;
            data = xcb_get_image_data(copied.get());
        }
    }
    // The usual case: the picture is the shared memory itself, no copy made, and the same picture as
    // the last grab's while the size is.
    if (inside == region && root.AsIs() && !copied) {
        if (root.Grabbed.constBits() != data || root.Grabbed.size() != region.size())
            root.Grabbed = QImage(data, region.width(), region.height(), rowBytes, QImage::Format_RGB32);
        return root.Grabbed;
    }

    QImage image(region.size(), QImage::Format_RGB32);
    if (inside != region)
        image.fill(Qt::black);
    const int bytesPerPixel = root.BitsPerPixel / 8;
    const QPoint at = inside.topLeft() - region.topLeft();
    for (int y = 0; y < inside.height(); ++y) {
        const uint8_t* from = data + y * rowBytes;
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(at.y() + y)) + at.x();
        if (root.AsIs()) {
            std::memcpy(to, from, size_t(inside.width()) * 4);
            continue;
        }
        for (int x = 0; x < inside.width(); ++x, from += bytesPerPixel) {
            uint32_t pixel = 0;
            for (int byte = 0; byte < bytesPerPixel; ++byte)
                pixel |= uint32_t(from[root.LeastSignificantFirst ? byte : bytesPerPixel - 1 - byte])
                         << (8 * byte);
            to[x] = qRgb(root.Red.Value(pixel), root.Green.Value(pixel), root.Blue.Value(pixel));
        }
    }
    return image;
}
