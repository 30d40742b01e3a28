// A pointer for a desktop that has none, such as a compositor run headless for the tests: while
// this runs, the seat offers a pointer to its clients, and the desktop's own commands move it.
// Prints "ready" once the pointer exists; ends when its standard input closes or it is killed.
// With POINTER_WIGGLE_HZ set, it also moves the pointer a pixel right and back that many times a
// second, as a mouse in a hand sends its small moves.
#include "wlr-virtual-pointer-unstable-v1-client.h"

#include <wayland-client.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <poll.h>
#include <unistd.h>

namespace {

zwlr_virtual_pointer_manager_v1* manager = nullptr;
wl_seat* seat = nullptr;

void Global(void*, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    if (!std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name))
        manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    else if (!std::strcmp(interface, wl_seat_interface.name) && !seat)
        seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
}
void GlobalRemove(void*, wl_registry*, uint32_t) {}
constexpr wl_registry_listener Registry{.global = Global, .global_remove = GlobalRemove};

} // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "no Wayland display\n");
        return 1;
    }
    wl_registry_add_listener(wl_display_get_registry(display), &Registry, nullptr);
    wl_display_roundtrip(display);
    if (!manager) {
        std::fprintf(stderr, "the compositor offers no virtual pointer\n");
        return 1;
    }
    zwlr_virtual_pointer_v1* pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
    wl_display_roundtrip(display);
    std::printf("ready\n");
    std::fflush(stdout);
    const char* wiggle = std::getenv("POINTER_WIGGLE_HZ");
    const int hz = wiggle ? std::atoi(wiggle) : 0;
    pollfd input{0, POLLIN, 0};
    char byte;
    for (uint32_t step = 0;; ++step) {
        if (poll(&input, 1, hz > 0 ? 1000 / hz : -1) > 0 && read(0, &byte, 1) <= 0)
            break;
        if (hz > 0) {
            zwlr_virtual_pointer_v1_motion(pointer, step * (1000 / hz), wl_fixed_from_int(step % 2 ? -1 : 1),
                                           0);
            zwlr_virtual_pointer_v1_frame(pointer);
            wl_display_flush(display);
        }
    }
    wl_display_disconnect(display);
    return 0;
}
