#include "platform/wayland/WlrScreen.h"

#include "core/Logging.h"
#include "core/windows/Messages.h"

#include <QPainter>
#include <QTimer>

#include <wayland-client.h>

#include "viewporter-client.h"
// The layer shell's header names an argument "namespace".
#define namespace layer_namespace
#include "wlr-layer-shell-unstable-v1-client.h"
#undef namespace
#include "wlr-screencopy-unstable-v1-client.h"
#include "xdg-output-unstable-v1-client.h"

#include <linux/input-event-codes.h>

#include <cmath>
#include <cstring>

#include <unistd.h>

namespace {

// A copy is made on the monitor's next frame, a few milliseconds away; a desktop that does not answer
// in this time leaves the screen unread.
constexpr int CaptureTimeoutMs = 500;

} // namespace

struct WlrScreen::Output {
    WlrScreen* Screen;
    uint32_t Name;
    wl_output* Handle;
    zxdg_output_v1* Xdg = nullptr;
    QRect Layout;        // in the desktop's layout
    QSize Pixels;        // its picture in device pixels, turned as the monitor is
    bool Turned = false; // a quarter or three quarters round
};

struct WlrScreen::Overlay {
    WlrScreen* Screen;
    Output* Shows;
    wl_surface* Surface;
    zwlr_layer_surface_v1* Layer;
    wp_viewport* Viewport = nullptr;
};

struct WlrScreen::Capture {
    WlrScreen* Screen;
    uint32_t Format = 0;
    int Width = 0, Height = 0, Stride = 0;
    bool Offered = false, Copying = false, Ready = false, Failed = false, YInvert = false;
    zwlr_screencopy_frame_v1* Frame = nullptr;
};

struct Listeners {
    static void Global(void* data, wl_registry* registry, uint32_t name, const char* interface,
                       uint32_t version) {
        auto* screen = static_cast<WlrScreen*>(data);
        const auto bind = [&](const wl_interface* what, uint32_t most) {
            return wl_registry_bind(registry, name, what, std::min(version, most));
        };
        if (!std::strcmp(interface, wl_compositor_interface.name))
            screen->compositor_ = static_cast<wl_compositor*>(bind(&wl_compositor_interface, 4));
        else if (!std::strcmp(interface, wl_shm_interface.name))
            screen->shm_ = static_cast<wl_shm*>(bind(&wl_shm_interface, 1));
        else if (!std::strcmp(interface, wl_seat_interface.name) && !screen->seat_) {
            screen->seat_ = static_cast<wl_seat*>(bind(&wl_seat_interface, 5));
            wl_seat_add_listener(screen->seat_, &Seat, screen);
        } else if (!std::strcmp(interface, wp_viewporter_interface.name))
            screen->viewporter_ = static_cast<wp_viewporter*>(bind(&wp_viewporter_interface, 1));
        else if (!std::strcmp(interface, zxdg_output_manager_v1_interface.name))
            screen->outputManager_ =
                static_cast<zxdg_output_manager_v1*>(bind(&zxdg_output_manager_v1_interface, 3));
        else if (!std::strcmp(interface, zwlr_screencopy_manager_v1_interface.name))
            screen->screencopy_ =
                static_cast<zwlr_screencopy_manager_v1*>(bind(&zwlr_screencopy_manager_v1_interface, 3));
        else if (!std::strcmp(interface, zwlr_layer_shell_v1_interface.name))
            screen->layerShell_ = static_cast<zwlr_layer_shell_v1*>(bind(&zwlr_layer_shell_v1_interface, 3));
        else if (!std::strcmp(interface, wl_output_interface.name)) {
            auto* output = static_cast<wl_output*>(bind(&wl_output_interface, 2));
            auto& added = screen->outputs_.emplace_back(WlrScreen::Output{screen, name, output});
            wl_output_add_listener(output, &OutputEvents, &added);
            if (screen->outputManager_)
                Describe(added);
        }
    }

    static void GlobalRemove(void* data, wl_registry*, uint32_t name) {
        auto* screen = static_cast<WlrScreen*>(data);
        screen->outputs_.remove_if([screen, name](WlrScreen::Output& output) {
            if (output.Name != name)
                return false;
            screen->overlays_.remove_if([&](WlrScreen::Overlay& overlay) {
                if (overlay.Shows != &output)
                    return false;
                DestroyOverlay(overlay);
                return true;
            });
            if (output.Xdg)
                zxdg_output_v1_destroy(output.Xdg);
            wl_output_destroy(output.Handle);
            return true;
        });
    }

    static void Describe(WlrScreen::Output& output) {
        output.Xdg = zxdg_output_manager_v1_get_xdg_output(output.Screen->outputManager_, output.Handle);
        zxdg_output_v1_add_listener(output.Xdg, &XdgOutputEvents, &output);
    }

    static void DestroyOverlay(WlrScreen::Overlay& overlay) {
        if (overlay.Viewport)
            wp_viewport_destroy(overlay.Viewport);
        zwlr_layer_surface_v1_destroy(overlay.Layer);
        wl_surface_destroy(overlay.Surface);
    }

    // wl_output: the position and size in device pixels, until the layout's own arrive.
    static void Geometry(void* data, wl_output*, int32_t x, int32_t y, int32_t, int32_t, int32_t, const char*,
                         const char*, int32_t transform) {
        auto* output = static_cast<WlrScreen::Output*>(data);
        if (!output->Xdg)
            output->Layout.moveTopLeft({x, y});
        output->Turned = transform % 2 == 1;
    }
    static void Mode(void* data, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t) {
        auto* output = static_cast<WlrScreen::Output*>(data);
        if (!(flags & WL_OUTPUT_MODE_CURRENT))
            return;
        output->Pixels = {width, height};
        if (!output->Xdg)
            output->Layout.setSize({width, height});
    }
    static void OutputDone(void*, wl_output*) {}
    // The scale is the picture's size against the layout's, which a fractional scale says and this
    // whole number does not.
    static void OutputScale(void*, wl_output*, int32_t) {}

    static void LogicalPosition(void* data, zxdg_output_v1*, int32_t x, int32_t y) {
        static_cast<WlrScreen::Output*>(data)->Layout.moveTopLeft({x, y});
    }
    static void LogicalSize(void* data, zxdg_output_v1*, int32_t width, int32_t height) {
        static_cast<WlrScreen::Output*>(data)->Layout.setSize({width, height});
    }
    static void XdgDone(void*, zxdg_output_v1*) {}
    static void XdgName(void*, zxdg_output_v1*, const char*) {}

    static void Capabilities(void* data, wl_seat* seat, uint32_t capabilities) {
        auto* screen = static_cast<WlrScreen*>(data);
        if ((capabilities & WL_SEAT_CAPABILITY_POINTER) && !screen->pointer_) {
            screen->pointer_ = wl_seat_get_pointer(seat);
            wl_pointer_add_listener(screen->pointer_, &Pointer, screen);
        }
        if ((capabilities & WL_SEAT_CAPABILITY_KEYBOARD) && !screen->keyboard_) {
            screen->keyboard_ = wl_seat_get_keyboard(seat);
            wl_keyboard_add_listener(screen->keyboard_, &Keyboard, screen);
        }
    }
    static void SeatName(void*, wl_seat*, const char*) {}

    static WlrScreen::Overlay* OverlayOf(WlrScreen* screen, wl_surface* surface) {
        for (auto& overlay : screen->overlays_)
            if (overlay.Surface == surface)
                return &overlay;
        return nullptr;
    }
    static void Enter(void* data, wl_pointer* pointer, uint32_t serial, wl_surface* surface, wl_fixed_t x,
                      wl_fixed_t y) {
        auto* screen = static_cast<WlrScreen*>(data);
        WlrScreen::Overlay* overlay = OverlayOf(screen, surface);
        if (!overlay)
            return;
        screen->pointer_at_ =
            QPointF(overlay->Shows->Layout.topLeft()) + QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y));
        screen->aim_ = {};
        if (!screen->entered_ && !screen->pointerKnown_) {
            screen->pointerKnown_ = true;
            emit screen->Explain({});
        }
        screen->entered_ = overlay->Shows;
        SetCrossCursor(screen, pointer, serial);
    }
    static void SetCrossCursor(WlrScreen* screen, wl_pointer* pointer, uint32_t serial) {
        constexpr int Size = 23, Hot = 11;
        wl_buffer* buffer = screen->cursor_.Get(screen->shm_, WL_SHM_FORMAT_ARGB8888, Size, Size, Size * 4);
        if (!buffer)
            return;
        DrawCross(QImage(screen->cursor_.Pixels(), Size, Size, Size * 4, QImage::Format_ARGB32_Premultiplied),
                  Hot);
        if (!screen->cursorSurface_)
            screen->cursorSurface_ = wl_compositor_create_surface(screen->compositor_);
        wl_surface_attach(screen->cursorSurface_, buffer, 0, 0);
        wl_surface_damage(screen->cursorSurface_, 0, 0, Size, Size);
        wl_surface_commit(screen->cursorSurface_);
        wl_pointer_set_cursor(pointer, serial, screen->cursorSurface_, Hot, Hot);
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
        static_cast<WlrScreen*>(data)->entered_ = nullptr;
    }
    static void Motion(void* data, wl_pointer*, uint32_t, wl_fixed_t x, wl_fixed_t y) {
        auto* screen = static_cast<WlrScreen*>(data);
        if (screen->entered_) {
            screen->pointer_at_ = QPointF(screen->entered_->Layout.topLeft()) +
                                  QPointF(wl_fixed_to_double(x), wl_fixed_to_double(y));
            screen->aim_ = {};
        }
    }
    static void Button(void* data, wl_pointer*, uint32_t, uint32_t, uint32_t button, uint32_t state) {
        static_cast<WlrScreen*>(data)->OnButton(state == WL_POINTER_BUTTON_STATE_PRESSED, button);
    }
    static void Axis(void*, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) {}
    static void Frame(void*, wl_pointer*) {}
    static void AxisSource(void*, wl_pointer*, uint32_t) {}
    static void AxisStop(void*, wl_pointer*, uint32_t, uint32_t) {}
    // A wheel's notches, one zoom step each; a touchpad's smooth scrolling sends none.
    static void AxisDiscrete(void* data, wl_pointer*, uint32_t axis, int32_t notches) {
        if (axis == WL_POINTER_AXIS_VERTICAL_SCROLL)
            static_cast<WlrScreen*>(data)->OnWheel(notches);
    }

    static void Keymap(void* data, wl_keyboard*, uint32_t format, int32_t fd, uint32_t size) {
        if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1)
            static_cast<WlrScreen*>(data)->keys_.SetKeymap(fd, size);
        close(fd);
    }
    static void KeyEnter(void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) {}
    static void KeyLeave(void*, wl_keyboard*, uint32_t, wl_surface*) {}
    static void Key(void* data, wl_keyboard*, uint32_t, uint32_t, uint32_t key, uint32_t state) {
        auto* screen = static_cast<WlrScreen*>(data);
        screen->OnKey(state == WL_KEYBOARD_KEY_STATE_PRESSED, screen->keys_.Symbol(key));
    }
    static void Modifiers(void* data, wl_keyboard*, uint32_t, uint32_t depressed, uint32_t latched,
                          uint32_t locked, uint32_t group) {
        static_cast<WlrScreen*>(data)->keys_.SetModifiers(depressed, latched, locked, group);
    }
    static void RepeatInfo(void*, wl_keyboard*, int32_t, int32_t) {}

    static void Configure(void* data, zwlr_layer_surface_v1* layer, uint32_t serial, uint32_t width,
                          uint32_t height) {
        auto* overlay = static_cast<WlrScreen::Overlay*>(data);
        WlrScreen* screen = overlay->Screen;
        zwlr_layer_surface_v1_ack_configure(layer, serial);
        // One clear pixel, stretched over the monitor: the overlay shows nothing and costs nothing.
        wl_buffer* clear = screen->clear_.Get(screen->shm_, WL_SHM_FORMAT_ARGB8888, 1, 1, 4);
        if (!clear)
            return;
        if (!overlay->Viewport)
            overlay->Viewport = wp_viewporter_get_viewport(screen->viewporter_, overlay->Surface);
        wp_viewport_set_destination(overlay->Viewport, int32_t(width), int32_t(height));
        wl_surface_attach(overlay->Surface, clear, 0, 0);
        wl_surface_damage(overlay->Surface, 0, 0, INT32_MAX, INT32_MAX);
        wl_surface_commit(overlay->Surface);
    }
    static void Closed(void* data, zwlr_layer_surface_v1*) {
        WlrScreen* screen = static_cast<WlrScreen::Overlay*>(data)->Screen;
        QTimer::singleShot(0, screen, [screen] { emit screen->Ended(); });
    }

    static void Buffer(void* data, zwlr_screencopy_frame_v1* frame, uint32_t format, uint32_t width,
                       uint32_t height, uint32_t stride) {
        auto* capture = static_cast<WlrScreen::Capture*>(data);
        capture->Format = format;
        capture->Width = int(width);
        capture->Height = int(height);
        capture->Stride = int(stride);
        capture->Offered = true;
        if (zwlr_screencopy_frame_v1_get_version(frame) < 3)
            Copy(capture);
    }
    static void Copy(WlrScreen::Capture* capture) {
        WlrScreen* screen = capture->Screen;
        wl_buffer* buffer = capture->Offered
                                ? screen->capture_.Get(screen->shm_, capture->Format, capture->Width,
                                                       capture->Height, capture->Stride)
                                : nullptr;
        if (!buffer) {
            capture->Failed = true;
            return;
        }
        zwlr_screencopy_frame_v1_copy(capture->Frame, buffer);
        capture->Copying = true;
    }
    static void Flags(void* data, zwlr_screencopy_frame_v1*, uint32_t flags) {
        static_cast<WlrScreen::Capture*>(data)->YInvert = flags & ZWLR_SCREENCOPY_FRAME_V1_FLAGS_Y_INVERT;
    }
    static void Ready(void* data, zwlr_screencopy_frame_v1*, uint32_t, uint32_t, uint32_t) {
        static_cast<WlrScreen::Capture*>(data)->Ready = true;
    }
    static void Failed(void* data, zwlr_screencopy_frame_v1*) {
        static_cast<WlrScreen::Capture*>(data)->Failed = true;
    }
    static void Damage(void*, zwlr_screencopy_frame_v1*, uint32_t, uint32_t, uint32_t, uint32_t) {}
    static void Dmabuf(void*, zwlr_screencopy_frame_v1*, uint32_t, uint32_t, uint32_t) {}
    static void BufferDone(void* data, zwlr_screencopy_frame_v1*) {
        auto* capture = static_cast<WlrScreen::Capture*>(data);
        if (!capture->Copying)
            Copy(capture);
    }

    static constexpr wl_registry_listener Registry{.global = Global, .global_remove = GlobalRemove};
    static constexpr wl_output_listener OutputEvents{.geometry = Geometry,
                                                     .mode = Mode,
                                                     .done = OutputDone,
                                                     .scale = OutputScale,
                                                     .name = {},
                                                     .description = {}};
    static constexpr zxdg_output_v1_listener XdgOutputEvents{.logical_position = LogicalPosition,
                                                             .logical_size = LogicalSize,
                                                             .done = XdgDone,
                                                             .name = XdgName,
                                                             .description = XdgName};
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
    static constexpr zwlr_screencopy_frame_v1_listener Frames{.buffer = Buffer,
                                                              .flags = Flags,
                                                              .ready = Ready,
                                                              .failed = Failed,
                                                              .damage = Damage,
                                                              .linux_dmabuf = Dmabuf,
                                                              .buffer_done = BufferDone};
};

std::unique_ptr<WlrScreen> WlrScreen::Open() {
    std::unique_ptr<WaylandConnection> connection = WaylandConnection::Open();
    if (!connection)
        return nullptr;
    std::unique_ptr<WlrScreen> screen(new WlrScreen(std::move(connection)));
    if (!screen->Bind())
        return nullptr;
    return screen;
}

WlrScreen::WlrScreen(std::unique_ptr<WaylandConnection> connection) : connection_(std::move(connection)) {
    connect(connection_.get(), &WaylandConnection::Lost, this, [this] {
        if (picking_)
            emit Refused(QString::fromStdString(MsgScreenUnreadable));
    });
}

bool WlrScreen::Bind() {
    registry_ = wl_display_get_registry(connection_->Display());
    wl_registry_add_listener(registry_, &Listeners::Registry, this);
    wl_display* display = connection_->Display();
    if (wl_display_roundtrip(display) < 0)
        return false;
    if (!screencopy_ || !shm_)
        return false;
    if (outputManager_)
        for (auto& output : outputs_)
            if (!output.Xdg)
                Listeners::Describe(output);
    // The outputs' descriptions, then the seat's devices.
    if (wl_display_roundtrip(display) < 0 || wl_display_roundtrip(display) < 0)
        return false;
    return true;
}

WlrScreen::~WlrScreen() {
    Stop();
    for (auto& output : outputs_) {
        if (output.Xdg)
            zxdg_output_v1_destroy(output.Xdg);
        wl_output_destroy(output.Handle);
    }
    if (cursorSurface_)
        wl_surface_destroy(cursorSurface_);
    if (pointer_)
        wl_pointer_destroy(pointer_);
    if (keyboard_)
        wl_keyboard_destroy(keyboard_);
    if (seat_)
        wl_seat_destroy(seat_);
    if (layerShell_)
        zwlr_layer_shell_v1_destroy(layerShell_);
    if (screencopy_)
        zwlr_screencopy_manager_v1_destroy(screencopy_);
    if (outputManager_)
        zxdg_output_manager_v1_destroy(outputManager_);
    if (viewporter_)
        wp_viewporter_destroy(viewporter_);
    if (shm_)
        wl_shm_destroy(shm_);
    if (compositor_)
        wl_compositor_destroy(compositor_);
    if (registry_)
        wl_registry_destroy(registry_);
    connection_->Flush();
}

void WlrScreen::Start() {
    if (picking_)
        return;
    if (!layerShell_ || !viewporter_ || !compositor_ || !pointer_) {
        emit Refused(QString::fromStdString(MsgNoScreenAccess));
        return;
    }
    picking_ = true;
    pointerKnown_ = false;
    aim_ = {};
    // The desktop tells where the pointer is only once it moves over the overlay.
    emit Explain(QString::fromStdString(MsgMoveToPick));
    for (auto& output : outputs_)
        ShowOverlay(output);
    connection_->Flush();
}

void WlrScreen::ShowOverlay(Output& output) {
    wl_surface* surface = wl_compositor_create_surface(compositor_);
    zwlr_layer_surface_v1* layer = zwlr_layer_shell_v1_get_layer_surface(
        layerShell_, surface, output.Handle, ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "tintra-pick");
    auto& overlay = overlays_.emplace_back(Overlay{this, &output, surface, layer, nullptr});
    zwlr_layer_surface_v1_add_listener(layer, &Listeners::Layer, &overlay);
    zwlr_layer_surface_v1_set_anchor(
        layer, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                   ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
    zwlr_layer_surface_v1_set_exclusive_zone(layer, -1);
    zwlr_layer_surface_v1_set_keyboard_interactivity(layer, 1);
    wl_surface_commit(surface);
}

void WlrScreen::Stop() {
    if (!picking_)
        return;
    picking_ = false;
    entered_ = nullptr;
    for (auto& overlay : overlays_)
        Listeners::DestroyOverlay(overlay);
    overlays_.clear();
    connection_->Flush();
}

void WlrScreen::OnButton(bool pressed, uint32_t button) {
    if (!picking_ || !pressed || !entered_)
        return;
    // Any other button leaves, as Esc does.
    if (button != BTN_LEFT) {
        QTimer::singleShot(0, this, [this] { emit Ended(); });
        return;
    }
    PickAtPointer();
}

void WlrScreen::PickAtPointer() {
    const QPoint at = PointerPosition();
    // Told after the events are handled: what follows closes the overlay the pick came from.
    QTimer::singleShot(0, this, [this, at] {
        if (const std::optional<ColorValue> colour = ScreenPixelSource(at.x(), at.y()))
            emit Picked(*colour);
        else
            emit Refused(QString::fromStdString(MsgScreenUnreadable));
    });
}

void WlrScreen::OnKey(bool pressed, xkb_keysym_t key) {
    if (!picking_ || !pressed)
        return;
    const int step = keys_.ShiftHeld() ? 10 : 1;
    switch (key) {
    case XKB_KEY_Escape:
        QTimer::singleShot(0, this, [this] { emit Ended(); });
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
        aim_ += QPoint(-step, 0);
        break;
    case XKB_KEY_Right:
        aim_ += QPoint(step, 0);
        break;
    case XKB_KEY_Up:
        aim_ += QPoint(0, -step);
        break;
    case XKB_KEY_Down:
        aim_ += QPoint(0, step);
        break;
    default:
        break;
    }
}

void WlrScreen::OnWheel(int notches) {
    if (!picking_ || !entered_)
        return;
    for (int i = 0; i < std::abs(notches); ++i)
        emit ZoomAsked(notches < 0); // turned away from the user: closer
}

QList<LaidOutMonitor> WlrScreen::LaidOut() const {
    QList<LaidOutMonitor> monitors;
    for (const auto& output : outputs_) {
        const QSize pixels = output.Pixels.isEmpty() ? output.Layout.size()
                             : output.Turned         ? output.Pixels.transposed()
                                                     : output.Pixels;
        monitors.append({output.Layout, pixels});
    }
    return monitors;
}

// The device pixel under the pointer's exact place: on a scaled monitor a point of the layout covers
// several, and each of them can be aimed at.
QPoint WlrScreen::PointerPosition() const {
    const QList<LaidOutMonitor> monitors = LaidOut();
    return DevicePixelUnder(pointer_at_, monitors, InDevicePixels(monitors))
               .value_or(QPoint(int(std::floor(pointer_at_.x())), int(std::floor(pointer_at_.y())))) +
           aim_;
}

bool WlrScreen::PointerKnown() const { return !picking_ || pointerKnown_; }

QList<Monitor> WlrScreen::Monitors() const { return InDevicePixels(LaidOut()); }

std::optional<ColorValue> WlrScreen::ScreenPixelSource(int x, int y) {
    bool shown = false;
    for (const Monitor& monitor : Monitors())
        shown = shown || monitor.Device.contains(x, y);
    if (!shown)
        return ColorValue(-1);
    const QImage pixel = GrabRegion({x, y, 1, 1});
    if (pixel.isNull())
        return std::nullopt;
    const QRgb rgb = pixel.pixel(0, 0);
    return PackRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

QImage WlrScreen::GrabRegion(const QRect& region) {
    if (picking_ && !pointerKnown_)
        return {}; // the pointer's place is not known yet, so neither is what lies around it
    QImage picture(region.size(), QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    picture.fill(Qt::black);
    const QList<Monitor> monitors = Monitors();
    auto output = outputs_.begin();
    for (const Monitor& monitor : monitors) {
        if (monitor.Device.intersects(region) && !CaptureInto(picture, region, *output, monitor))
            return {};
        ++output;
    }
    return picture;
}

bool WlrScreen::CaptureInto(QImage& picture, const QRect& region, Output& output, const Monitor& monitor) {
    const QRect part = monitor.Device.intersected(region);
    const QRect local = part.translated(-monitor.Device.topLeft());
    // The desktop copies a region of its layout, so the layout's pixels that cover the part are asked
    // for, and the part cut from their device pixels.
    const double scaleX = double(monitor.Device.width()) / output.Layout.width();
    const double scaleY = double(monitor.Device.height()) / output.Layout.height();
    const int left = int(std::floor(local.left() / scaleX)), top = int(std::floor(local.top() / scaleY));
    const int right = int(std::ceil((local.right() + 1) / scaleX));
    const int bottom = int(std::ceil((local.bottom() + 1) / scaleY));
    Capture capture{this};
    capture.Frame = zwlr_screencopy_manager_v1_capture_output_region(screencopy_, 0, output.Handle, left, top,
                                                                     right - left, bottom - top);
    zwlr_screencopy_frame_v1_add_listener(capture.Frame, &Listeners::Frames, &capture);
    const bool answered =
        connection_->WaitUntil([&] { return capture.Ready || capture.Failed; }, CaptureTimeoutMs);
    zwlr_screencopy_frame_v1_destroy(capture.Frame);
    connection_->Flush();
    if (!answered || capture.Failed) {
        qCDebug(lcWlroots, "the desktop %s the copy of a monitor's region",
                answered ? "refused" : "did not answer");
        return false;
    }

    QImage::Format format;
    switch (capture.Format) {
    case WL_SHM_FORMAT_XRGB8888:
    case WL_SHM_FORMAT_ARGB8888:
        format = QImage::Format_RGB32;
        break;
    case WL_SHM_FORMAT_XBGR8888:
    case WL_SHM_FORMAT_ABGR8888:
        format = QImage::Format_RGBX8888;
        break;
    default:
        qCWarning(lcWlroots, "a screen copy in the unknown pixel layout %#x is not read", capture.Format);
        return false; // a pixel layout this reader does not know: better unread than wrong
    }
    QImage copied(capture_.Pixels(), capture.Width, capture.Height, capture.Stride, format);
    if (capture.YInvert)
        copied = copied.mirrored(false, true);
    // The copy starts at the device pixel of the region's corner, as the desktop rounds it.
    const QPoint copyCorner(int(left * scaleX), int(top * scaleY));
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(part.topLeft() - region.topLeft(), copied,
                      QRect(local.topLeft() - copyCorner, part.size()));
    return true;
}
