// A desktop that keeps changing, for measuring picking: a full-screen pattern of coloured squares that
// shifts every 280 ms, and a pointer that moves every 56 ms along a loop right of the program's window.
//   tintra_scenery [seconds]   (default: until ended)
#include <xcb/xcb.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

int main(int argc, char* argv[]) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 1e9;
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "tintra_scenery: no X server\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint16_t width = screen->width_in_pixels, height = screen->height_in_pixels;

    // Under every other window, out of the window manager's hands.
    const xcb_window_t window = xcb_generate_id(x);
    const uint32_t values[] = {screen->black_pixel, 1};
    xcb_create_window(x, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, width, height, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
    xcb_map_window(x, window);
    const uint32_t below[] = {XCB_STACK_MODE_BELOW};
    xcb_configure_window(x, window, XCB_CONFIG_WINDOW_STACK_MODE, below);

    std::vector<xcb_gcontext_t> pens;
    for (uint32_t color : {0xE04040u, 0x40A0E0u, 0xF0D020u, 0x30C070u, 0x8040C0u, 0xF0F0F0u}) {
        const xcb_gcontext_t pen = xcb_generate_id(x);
        xcb_create_gc(x, pen, window, XCB_GC_FOREGROUND, &color);
        pens.push_back(pen);
    }
    const auto start = std::chrono::steady_clock::now();
    constexpr int Square = 24;
    for (int step = 0;; ++step) {
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (elapsed > seconds)
            break;
        if (step % 5 == 0) { // every 280 ms the pattern shifts by one square
            const int shift = step / 5;
            for (int row = 0; row * Square < height; ++row) {
                std::vector<xcb_rectangle_t> squares[6];
                for (int column = 0; column * Square < width; ++column)
                    squares[(row + column + shift) % 6].push_back(
                        {int16_t(column * Square), int16_t(row * Square), Square, Square});
                for (int pen = 0; pen < 6; ++pen)
                    xcb_poly_fill_rectangle(x, window, pens[pen], uint32_t(squares[pen].size()),
                                            squares[pen].data());
            }
        }
        // The pointer loops round a circle right of where the program's window stands.
        const double angle = step * 0.15;
        xcb_warp_pointer(x, XCB_NONE, screen->root, 0, 0, 0, 0, int16_t(1200 + 300 * std::cos(angle)),
                         int16_t(540 + 300 * std::sin(angle)));
        xcb_flush(x);
        std::this_thread::sleep_for(std::chrono::milliseconds(56));
    }
    xcb_disconnect(x);
    return 0;
}
