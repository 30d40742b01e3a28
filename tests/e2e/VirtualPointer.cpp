// A pointer for a desktop that has none, such as a compositor run headless for the tests: while
// this runs, the seat offers a pointer to its clients, and the desktop's own commands move it.
// Prints "ready" once the pointer exists; ends when its standard input closes or it is killed.
#include "wlr-virtual-pointer-unstable-v1-client.h"

#include <wayland-client.h>

#include <cstdio>
#include <cstring>

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
    zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
    wl_display_roundtrip(display);
    std::printf("ready\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    wl_display_disconnect(display);
    return 0;
}
