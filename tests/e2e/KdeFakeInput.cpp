// A pointer and a keyboard for a headless KDE Plasma desktop, through KWin's fake input: the desktop
// has no input devices of its own. Reads one command a line on standard input and answers "ok" once
// the compositor has seen it (or "error ..." for a line it does not know):
//   move X Y       the pointer to X, Y of the desktop
//   press BUTTON   release BUTTON   click BUTTON    a Linux button code (272 is the left button)
//   key CODE       a Linux key code pressed and released (1 is Esc, 28 is Enter)
//   keys CODE...   keys held down in order and released the other way round: a combination
// Prints "ready" once KWin has let it in; ends when its standard input closes or it is killed.
#include "fake-input-client.h"

#include <wayland-client.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

org_kde_kwin_fake_input* input = nullptr;
uint32_t version = 0;

void Global(void*, wl_registry* registry, uint32_t name, const char* interface, uint32_t offered) {
    if (!std::strcmp(interface, org_kde_kwin_fake_input_interface.name)) {
        version = offered < 4 ? offered : 4;
        input = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, version));
    }
}
void GlobalRemove(void*, wl_registry*, uint32_t) {}
constexpr wl_registry_listener Registry{.global = Global, .global_remove = GlobalRemove};

// Linux's input codes: pressed 1, released 0.
constexpr uint32_t Pressed = 1, Released = 0;

} // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "no Wayland display\n");
        return 1;
    }
    wl_registry_add_listener(wl_display_get_registry(display), &Registry, nullptr);
    wl_display_roundtrip(display);
    // KWin names the interface only to the programs it trusts with it.
    if (!input || version < 4) {
        std::fprintf(stderr, "the compositor offers no fake input (version 4) to this program\n");
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(input, "tintra tests", "drives the desktop for the tests");
    if (wl_display_roundtrip(display) < 0) {
        std::fprintf(stderr, "the compositor refused the fake input\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);

    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream words(line);
        std::string command;
        words >> command;
        double x = 0, y = 0;
        uint32_t code = 0;
        if (command == "move" && words >> x >> y) {
            org_kde_kwin_fake_input_pointer_motion_absolute(input, wl_fixed_from_double(x),
                                                            wl_fixed_from_double(y));
        } else if (command == "press" && words >> code) {
            org_kde_kwin_fake_input_button(input, code, Pressed);
        } else if (command == "release" && words >> code) {
            org_kde_kwin_fake_input_button(input, code, Released);
        } else if (command == "click" && words >> code) {
            org_kde_kwin_fake_input_button(input, code, Pressed);
            org_kde_kwin_fake_input_button(input, code, Released);
        } else if (command == "key" && words >> code) {
            org_kde_kwin_fake_input_keyboard_key(input, code, Pressed);
            org_kde_kwin_fake_input_keyboard_key(input, code, Released);
        } else if (command == "keys") {
            std::vector<uint32_t> codes;
            while (words >> code)
                codes.push_back(code);
            for (uint32_t held : codes)
                org_kde_kwin_fake_input_keyboard_key(input, held, Pressed);
            for (auto held = codes.rbegin(); held != codes.rend(); ++held)
                org_kde_kwin_fake_input_keyboard_key(input, *held, Released);
        } else {
            std::printf("error: %s\n", line.c_str());
            std::fflush(stdout);
            continue;
        }
        if (wl_display_roundtrip(display) < 0) {
            std::printf("error: the compositor went away\n");
            return 1;
        }
        std::printf("ok\n");
        std::fflush(stdout);
    }
    wl_display_disconnect(display);
    return 0;
}
