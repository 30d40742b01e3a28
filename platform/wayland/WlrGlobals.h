#pragma once

struct wl_compositor;
struct wl_seat;
struct wl_shm;
struct wp_viewporter;
struct zwlr_layer_shell_v1;
struct zwlr_screencopy_manager_v1;
struct zxdg_output_manager_v1;

// The desktop's globals that the wlroots screen binds on its connection as the registry offers them,
// and that its parts make their objects from; one the desktop does not offer stays null.
struct WlrGlobals {
    wl_compositor* Compositor = nullptr;
    wl_shm* Shm = nullptr;
    wl_seat* Seat = nullptr;
    wp_viewporter* Viewporter = nullptr;
    zxdg_output_manager_v1* OutputManager = nullptr;
    zwlr_screencopy_manager_v1* Screencopy = nullptr;
    zwlr_layer_shell_v1* LayerShell = nullptr;
};
