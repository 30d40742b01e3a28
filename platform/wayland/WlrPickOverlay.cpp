#include "platform/wayland/WlrPickOverlay.h"

#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WlrGlobals.h"

#include <QImage>
#include <QPainter>
#include <QTimer>

#include <wayland-client.h>

#include "viewporter-client.h"
// The layer shell's header names an argument "namespace".
#define namespace layer_namespace
#include "wlr-layer-shell-unstable-v1-client.h"
#undef namespace

#include <linux/input-event-codes.h>

#include <cmath>

#include <unistd.h>

struct WlrPickOverlay::Overlay {
    WlrPickOverlay* Owner;
    const WlrOutputs::Output* Shows;
    wl_surface* Surface;
    zwlr_layer_surface_v1* Layer;
    wp_viewport* Viewport = nullptr;
};

struct WlrPickOverlay::Listeners {
    static void DestroyOverlay(Overlay& overlay) {
        if (overlay.Viewport)
            wp_viewport_destroy(overlay.Viewport);
        zwlr_layer_surface_v1_destroy(overlay.Layer);
        wl_surface_destroy(overlay.Surface);
    }

    // A pointer or keyboard the seat no longer has is let go and taken anew when one comes back: the
    // old one would stay silent.
    static void Capabilities(void* data, wl_seat* seat, uint32_t capabilities) {
        auto* pick = static_cast<WlrPickOverlay*>(data);
        if (!(capabilities & WL_SEAT_CAPABILITY_POINTER) && pick->pointer_) {
            wl_pointer_release(pick->pointer_);
            pick->pointer_ = nullptr;
            pick->entered_ = nullptr;
        }
        if (!(capabilities & WL_SEAT_CAPABILITY_KEYBOARD) && pick->keyboard_) {
            wl_keyboard_release(pick->keyboard_);
            pick->keyboard_ = nullptr;
        }
        if ((capabilities & WL_SEAT_CAPABILITY_POINTER) && !pick->pointer_) {
            pick->pointer_ = wl_seat_get_pointer(seat);
            wl_pointer_add_listener(pick->pointer_, &Pointer, pick);
        }
        if ((capabilities & WL_SEAT_CAPABILITY_KEYBOARD) && !pick->keyboard_) {
            pick->keyboard_ = wl_seat_get_keyboard(seat);
            wl_keyboard_add_listener(pick->keyboard_, &Keyboard, pick);
        }
    }
    static void SeatName(void*, wl_seat*, const char*) {}

    static Overlay* OverlayOf(WlrPickOverlay* pick, wl_surface* surface) {
        for (auto& overlay : pick->overlays_)
            if (overlay.Surface == surface)
                return &overlay;
        return nullptr;
    }
    static void Enter(void* data, wl_pointer* pointer, uint32_t serial, wl_surface* surface, wl_fixed_t x,
                      wl_fixed_t y) {
        auto* pick = static_cast<WlrPickOverlay*>(data);
        Overlay* overlay = OverlayOf(pick, surface);
        if (!overlay)
            return;
        pick->pointer_at_ =
            QPointF(overlay->Shows->Layout.topLeft()) + QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y));
        pick->aim_ = {};
        if (!pick->entered_ && !pick->pointerKnown_) {
            pick->pointerKnown_ = true;
            emit pick->PointerFound();
        }
        pick->entered_ = overlay->Shows;
        pick->enterSerial_ = serial;
        SetCrossCursor(pick, pointer, serial);
    }
    static void SetCrossCursor(WlrPickOverlay* pick, wl_pointer* pointer, uint32_t serial) {
        constexpr int Size = 23, Hot = 11;
        wl_buffer* buffer =
            pick->cursor_.Get(pick->globals_.Shm, WL_SHM_FORMAT_ARGB8888, Size, Size, Size * 4);
        if (!buffer)
            return;
        DrawCross(QImage(pick->cursor_.Memory(), Size, Size, Size * 4, QImage::Format_ARGB32_Premultiplied),
                  Hot);
        if (!pick->cursorSurface_)
            pick->cursorSurface_ = wl_compositor_create_surface(pick->globals_.Compositor);
        wl_surface_attach(pick->cursorSurface_, buffer, 0, 0);
        wl_surface_damage(pick->cursorSurface_, 0, 0, Size, Size);
        wl_surface_commit(pick->cursorSurface_);
        wl_pointer_set_cursor(pointer, serial, pick->cursorSurface_, Hot, Hot);
        pick->crossHidden_ = false;
    }
    // A cross whose middle is left open: where the desktop draws the pointer into the screen itself,
    // the pixel under the hot spot and its neighbours still show what lies beneath.
    static void DrawCross(QImage picture, int hot) {
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        const int gap = 3, end = picture.width() - 1;
        for (const auto& [pen, width] : {std::pair{QColor(Qt::white), 3}, std::pair{QColor(Qt::black), 1}}) {
            painter.setPen(QPen(pen, width, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(QPointF(0, hot + 0.5), QPointF(hot - gap, hot + 0.5));
            painter.drawLine(QPointF(hot + gap + 1, hot + 0.5), QPointF(end + 1, hot + 0.5));
            painter.drawLine(QPointF(hot + 0.5, 0), QPointF(hot + 0.5, hot - gap));
            painter.drawLine(QPointF(hot + 0.5, hot + gap + 1), QPointF(hot + 0.5, end + 1));
        }
    }
    static void Leave(void* data, wl_pointer*, uint32_t, wl_surface*) {
        static_cast<WlrPickOverlay*>(data)->entered_ = nullptr;
    }
    static void Motion(void* data, wl_pointer* pointer, uint32_t, wl_fixed_t x, wl_fixed_t y) {
        auto* pick = static_cast<WlrPickOverlay*>(data);
        if (pick->entered_) {
            pick->pointer_at_ = QPointF(pick->entered_->Layout.topLeft()) +
                                QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y));
            if (pick->crossHidden_)
                SetCrossCursor(pick, pointer, pick->enterSerial_);
            pick->aim_ = {};
        }
    }
    static void Button(void* data, wl_pointer*, uint32_t, uint32_t, uint32_t button, uint32_t state) {
        static_cast<WlrPickOverlay*>(data)->OnButton(state == WL_POINTER_BUTTON_STATE_PRESSED, button);
    }
    static void Axis(void*, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) {}
    static void Frame(void*, wl_pointer*) {}
    static void AxisSource(void*, wl_pointer*, uint32_t) {}
    static void AxisStop(void*, wl_pointer*, uint32_t, uint32_t) {}
    // A wheel's notches, one zoom step each; a touchpad's smooth scrolling sends none.
    static void AxisDiscrete(void* data, wl_pointer*, uint32_t axis, int32_t notches) {
        if (axis == WL_POINTER_AXIS_VERTICAL_SCROLL)
            static_cast<WlrPickOverlay*>(data)->OnWheel(notches);
    }

    static void Keymap(void* data, wl_keyboard*, uint32_t format, int32_t fd, uint32_t size) {
        if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1)
            static_cast<WlrPickOverlay*>(data)->keys_.SetKeymap(fd, size);
        close(fd);
    }
    static void KeyEnter(void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) {}
    static void KeyLeave(void*, wl_keyboard*, uint32_t, wl_surface*) {}
    static void Key(void* data, wl_keyboard*, uint32_t, uint32_t, uint32_t key, uint32_t state) {
        auto* pick = static_cast<WlrPickOverlay*>(data);
        pick->OnKey(state == WL_KEYBOARD_KEY_STATE_PRESSED, pick->keys_.Symbol(key));
    }
    static void Modifiers(void* data, wl_keyboard*, uint32_t, uint32_t depressed, uint32_t latched,
                          uint32_t locked, uint32_t group) {
        static_cast<WlrPickOverlay*>(data)->keys_.SetModifiers(depressed, latched, locked, group);
    }
    static void RepeatInfo(void*, wl_keyboard*, int32_t, int32_t) {}

    static void Configure(void* data, zwlr_layer_surface_v1* layer, uint32_t serial, uint32_t width,
                          uint32_t height) {
        auto* overlay = static_cast<Overlay*>(data);
        WlrPickOverlay* pick = overlay->Owner;
        zwlr_layer_surface_v1_ack_configure(layer, serial);
        // One clear pixel, stretched over the monitor: the overlay shows nothing and costs nothing.
        wl_buffer* clear = pick->clear_.Get(pick->globals_.Shm, WL_SHM_FORMAT_ARGB8888, 1, 1, 4);
        if (!clear)
            return;
        if (!overlay->Viewport)
            overlay->Viewport = wp_viewporter_get_viewport(pick->globals_.Viewporter, overlay->Surface);
        wp_viewport_set_destination(overlay->Viewport, int32_t(width), int32_t(height));
        wl_surface_attach(overlay->Surface, clear, 0, 0);
        wl_surface_damage(overlay->Surface, 0, 0, INT32_MAX, INT32_MAX);
        wl_surface_commit(overlay->Surface);
    }
    static void Closed(void* data, zwlr_layer_surface_v1*) {
        WlrPickOverlay* pick = static_cast<Overlay*>(data)->Owner;
        QTimer::singleShot(0, pick, [pick] { emit pick->Left(); });
    }

    static constexpr wl_seat_listener Seat{.capabilities = Capabilities, .name = SeatName};
    static constexpr wl_pointer_listener Pointer{.enter = Enter,
                                                 .leave = Leave,
                                                 .motion = Motion,
                                                 .button = Button,
                                                 .axis = Axis,
                                                 .frame = Frame,
                                                 .axis_source = AxisSource,
                                                 .axis_stop = AxisStop,
                                                 .axis_discrete = AxisDiscrete,
                                                 .axis_value120 = {}};
    static constexpr wl_keyboard_listener Keyboard{.keymap = Keymap,
                                                   .enter = KeyEnter,
                                                   .leave = KeyLeave,
                                                   .key = Key,
                                                   .modifiers = Modifiers,
                                                   .repeat_info = RepeatInfo};
    static constexpr zwlr_layer_surface_v1_listener Layer{.configure = Configure, .closed = Closed};
};

WlrPickOverlay::WlrPickOverlay(WaylandConnection& connection, const WlrGlobals& globals,
                               const WlrOutputs& outputs)
    : connection_(connection), globals_(globals), outputs_(outputs) {}

WlrPickOverlay::~WlrPickOverlay() {
    Close();
    if (cursorSurface_)
        wl_surface_destroy(cursorSurface_);
    if (pointer_)
        wl_pointer_destroy(pointer_);
    if (keyboard_)
        wl_keyboard_destroy(keyboard_);
}

void WlrPickOverlay::UseSeat(wl_seat* seat) { wl_seat_add_listener(seat, &Listeners::Seat, this); }

bool WlrPickOverlay::CanOpen() const {
    return globals_.LayerShell && globals_.Viewporter && globals_.Compositor && pointer_;
}

void WlrPickOverlay::Open() {
    picking_ = true;
    pointerKnown_ = false;
    aim_ = {};
    for (const auto& output : outputs_.All())
        ShowOverlay(output);
    connection_.Flush();
}

void WlrPickOverlay::ShowOverlay(const WlrOutputs::Output& output) {
    wl_surface* surface = wl_compositor_create_surface(globals_.Compositor);
    zwlr_layer_surface_v1* layer = zwlr_layer_shell_v1_get_layer_surface(
        globals_.LayerShell, surface, output.Handle, ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "tintra-pick");
    auto& overlay = overlays_.emplace_back(Overlay{this, &output, surface, layer, nullptr});
    zwlr_layer_surface_v1_add_listener(layer, &Listeners::Layer, &overlay);
    zwlr_layer_surface_v1_set_anchor(
        layer, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                   ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
    zwlr_layer_surface_v1_set_exclusive_zone(layer, -1);
    zwlr_layer_surface_v1_set_keyboard_interactivity(layer, 1);
    wl_surface_commit(surface);
}

void WlrPickOverlay::Close() {
    if (!picking_)
        return;
    picking_ = false;
    entered_ = nullptr;
    for (auto& overlay : overlays_)
        Listeners::DestroyOverlay(overlay);
    overlays_.clear();
    connection_.Flush();
}

void WlrPickOverlay::Forget(uint32_t outputName) {
    overlays_.remove_if([&](Overlay& overlay) {
        if (overlay.Shows->Name != outputName)
            return false;
        Listeners::DestroyOverlay(overlay);
        return true;
    });
}

void WlrPickOverlay::OnButton(bool pressed, uint32_t button) {
    if (!picking_ || !pressed || !entered_)
        return;
    // Any other button leaves, as Esc does.
    if (button != BTN_LEFT) {
        QTimer::singleShot(0, this, [this] { emit Left(); });
        return;
    }
    PickAtPointer();
}

void WlrPickOverlay::PickAtPointer() {
    const QPoint at = PointerPosition();
    // Told after the events are handled: what follows closes the overlay the pick came from.
    QTimer::singleShot(0, this, [this, at] { emit PickAsked(at); });
}

void WlrPickOverlay::OnKey(bool pressed, xkb_keysym_t key) {
    if (!picking_ || !pressed)
        return;
    const int step = keys_.ShiftHeld() ? 10 : 1;
    switch (key) {
    case XKB_KEY_Escape:
        QTimer::singleShot(0, this, [this] { emit Left(); });
        break;
    // "+" shares its key with "=" on most layouts.
    case XKB_KEY_plus:
    case XKB_KEY_equal:
    case XKB_KEY_KP_Add:
        emit ZoomAsked(true);
        break;
    case XKB_KEY_minus:
    case XKB_KEY_KP_Subtract:
        emit ZoomAsked(false);
        break;
    case XKB_KEY_Return:
    case XKB_KEY_KP_Enter:
        if (entered_)
            PickAtPointer();
        break;
    case XKB_KEY_Left:
        Aim(QPoint(-step, 0));
        break;
    case XKB_KEY_Right:
        Aim(QPoint(step, 0));
        break;
    case XKB_KEY_Up:
        Aim(QPoint(0, -step));
        break;
    case XKB_KEY_Down:
        Aim(QPoint(0, step));
        break;
    default:
        break;
    }
}

// The cross stays where the pointer is, away from the pixel aimed at: it is hidden until the pointer
// moves, so that it neither misleads nor, where the desktop draws it into the screen, is what is read.
void WlrPickOverlay::Aim(QPoint move) {
    aim_ += move;
    if (entered_ && !crossHidden_) {
        wl_pointer_set_cursor(pointer_, enterSerial_, nullptr, 0, 0);
        connection_.Flush();
        crossHidden_ = true;
    }
}

void WlrPickOverlay::OnWheel(int notches) {
    if (!picking_ || !entered_)
        return;
    for (int i = 0; i < std::abs(notches); ++i)
        emit ZoomAsked(notches < 0); // turned away from the user: closer
}

// The device pixel under the pointer's exact place: on a scaled monitor a point of the layout covers
// several, and each of them can be aimed at.
QPoint WlrPickOverlay::PointerPosition() const {
    const QList<LaidOutMonitor> monitors = outputs_.LaidOut();
    return DevicePixelUnder(pointer_at_, monitors, InDevicePixels(monitors))
               .value_or(QPoint(int(std::floor(pointer_at_.x())), int(std::floor(pointer_at_.y())))) +
           aim_;
}
