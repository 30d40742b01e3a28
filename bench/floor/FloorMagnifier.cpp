// The least a magnifier can do on X11, the yardstick the program is measured against: every 25 ms the
// pointer, the area round it read through MIT-SHM, stretched nearest-neighbour with a cross-hair into a
// second shared picture and put into a 367x174 window through MIT-SHM, and the pointer's position as a
// line of text below it, drawn by the server in its own font when the pointer moved; nothing drawn when
// neither the pointer nor the area changed.
//   tintra_floor [seconds] [--report] [--level=N]
// (seconds: until ended by default; --report prints the ticks' cost; N from 1 to 4 enlarges 2N times,
// the program's levels, 1 by default)
#include "../TickStats.h"

#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <sys/ipc.h>
#include <sys/shm.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int ViewWidth = 367, ViewHeight = 174, LineHeight = 20;

struct Shared {
    xcb_shm_seg_t Segment;
    uint32_t* Pixels;
};

Shared MakeShared(xcb_connection_t* x, size_t bytes) {
    const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    auto* pixels = static_cast<uint32_t*>(shmat(id, nullptr, 0));
    const xcb_shm_seg_t segment = xcb_generate_id(x);
    xcb_shm_attach(x, segment, uint32_t(id), 0);
    xcb_flush(x);
    shmctl(id, IPC_RMID, nullptr); // gone once both sides let go
    return {segment, pixels};
}

} // namespace

int main(int argc, char* argv[]) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 1e9;
    bool report = false;
    int level = 1;
    for (int i = 2; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--report")
            report = true;
        else if (option.starts_with("--level="))
            level = std::clamp(std::atoi(option.c_str() + 8), 1, 4);
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x))
        return 1;
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const xcb_window_t window = xcb_generate_id(x);
    const uint32_t values[] = {1};
    xcb_create_window(x, XCB_COPY_FROM_PARENT, window, screen->root, 20, 600, ViewWidth,
                      ViewHeight + LineHeight, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_OVERRIDE_REDIRECT, values);
    xcb_map_window(x, window);
    const xcb_gcontext_t pen = xcb_generate_id(x);
    xcb_create_gc(x, pen, window, 0, nullptr);
    const xcb_font_t font = xcb_generate_id(x);
    xcb_open_font(x, font, 5, "fixed");
    const xcb_gcontext_t writer = xcb_generate_id(x);
    const uint32_t ink[] = {0xFF0000, screen->white_pixel, font};
    xcb_create_gc(x, writer, window, XCB_GC_FOREGROUND | XCB_GC_BACKGROUND | XCB_GC_FONT, ink);

    const int halfX = int(std::nearbyint(ViewWidth / (4.0 * level))),
              halfY = int(std::nearbyint(ViewHeight / (4.0 * level)));
    const int sourceWidth = 2 * halfX, sourceHeight = 2 * halfY;
    Shared source = MakeShared(x, size_t(sourceWidth) * sourceHeight * 4);
    Shared view = MakeShared(x, size_t(ViewWidth) * ViewHeight * 4);
    std::vector<uint32_t> last(size_t(sourceWidth) * sourceHeight);
    int lastX = -1, lastY = -1;

    TickStats stats;
    const auto start = std::chrono::steady_clock::now();
    auto next = start;
    while (std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() < seconds) {
        stats.Measure([&] {
            xcb_query_pointer_reply_t* pointer =
                xcb_query_pointer_reply(x, xcb_query_pointer(x, screen->root), nullptr);
            const int px = pointer->root_x, py = pointer->root_y;
            std::free(pointer);
            const int left = std::clamp(px - halfX, 0, screen->width_in_pixels - sourceWidth);
            const int top = std::clamp(py - halfY, 0, screen->height_in_pixels - sourceHeight);
            xcb_shm_get_image_reply_t* got = xcb_shm_get_image_reply(
                x,
                xcb_shm_get_image(x, screen->root, int16_t(left), int16_t(top), uint16_t(sourceWidth),
                                  uint16_t(sourceHeight), ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP, source.Segment, 0),
                nullptr);
            std::free(got);
            const size_t bytes = last.size() * 4;
            if (px == lastX && py == lastY && std::memcmp(last.data(), source.Pixels, bytes) == 0)
                return false;
            std::memcpy(last.data(), source.Pixels, bytes);
            if (px != lastX || py != lastY) {
                char position[32];
                const int length = std::snprintf(position, sizeof position, "x=%-5d y=%-5d", px, py);
                xcb_image_text_8(x, uint8_t(length), window, writer, 4, ViewHeight + 15, position);
            }
            lastX = px;
            lastY = py;
            for (int y = 0; y < ViewHeight; ++y) {
                const uint32_t* from = source.Pixels + size_t(y * sourceHeight / ViewHeight) * sourceWidth;
                uint32_t* to = view.Pixels + size_t(y) * ViewWidth;
                for (int column = 0; column < ViewWidth; ++column)
                    to[column] = from[column * sourceWidth / ViewWidth];
            }
            const int cx = 2 * level * (px - left), cy = 2 * level * (py - top);
            for (int i = cx - ViewWidth / 4; i < cx + ViewWidth / 4; ++i)
                if (i >= 0 && i < ViewWidth && cy >= 0 && cy < ViewHeight)
                    view.Pixels[size_t(cy) * ViewWidth + i] = 0;
            for (int i = cy - ViewHeight / 4; i < cy + ViewHeight / 4; ++i)
                if (i >= 0 && i < ViewHeight && cx >= 0 && cx < ViewWidth)
                    view.Pixels[size_t(i) * ViewWidth + cx] = 0;
            xcb_shm_put_image(x, window, pen, ViewWidth, ViewHeight, 0, 0, ViewWidth, ViewHeight, 0, 0,
                              screen->root_depth, XCB_IMAGE_FORMAT_Z_PIXMAP, 0, view.Segment, 0);
            xcb_flush(x);
            return true;
        });
        next += std::chrono::milliseconds(25);
        std::this_thread::sleep_until(next);
    }
    if (report)
        stats.Print("floor");
    xcb_disconnect(x);
    return 0;
}
