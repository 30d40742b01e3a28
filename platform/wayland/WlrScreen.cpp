#include "platform/wayland/WlrScreen.h"

#include "core/windows/Messages.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WlrOutputs.h"
#include "platform/wayland/WlrPickOverlay.h"
#include "platform/wayland/WlrScreenCopy.h"

#include <wayland-client.h>

#include "viewporter-client.h"
// The layer shell's header names an argument "namespace".
#define namespace layer_namespace
#include "wlr-layer-shell-unstable-v1-client.h"
#undef namespace
#include "wlr-screencopy-unstable-v1-client.h"
#include "xdg-output-unstable-v1-client.h"

#include <cstring>

struct WlrScreen::Listeners {
    static void Global(void* data, wl_registry* registry, uint32_t name, const char* interface,
                       uint32_t version) {
        auto* screen = static_cast<WlrScreen*>(data);
        WlrGlobals& globals = screen->globals_;
        const auto bind = [&](const wl_interface* what, uint32_t most) {
            return wl_registry_bind(registry, name, what, std::min(version, most));
        };
        if (!std::strcmp(interface, wl_compositor_interface.name))
            globals.Compositor = static_cast<wl_compositor*>(bind(&wl_compositor_interface, 4));
        else if (!std::strcmp(interface, wl_shm_interface.name))
            globals.Shm = static_cast<wl_shm*>(bind(&wl_shm_interface, 1));
        else if (!std::strcmp(interface, wl_seat_interface.name) && !globals.Seat) {
            globals.Seat = static_cast<wl_seat*>(bind(&wl_seat_interface, 5));
            screen->overlay_->UseSeat(globals.Seat);
        } else if (!std::strcmp(interface, wp_viewporter_interface.name))
            globals.Viewporter = static_cast<wp_viewporter*>(bind(&wp_viewporter_interface, 1));
        else if (!std::strcmp(interface, zxdg_output_manager_v1_interface.name))
            globals.OutputManager =
                static_cast<zxdg_output_manager_v1*>(bind(&zxdg_output_manager_v1_interface, 3));
        else if (!std::strcmp(interface, zwlr_screencopy_manager_v1_interface.name))
            globals.Screencopy =
                static_cast<zwlr_screencopy_manager_v1*>(bind(&zwlr_screencopy_manager_v1_interface, 3));
        else if (!std::strcmp(interface, zwlr_layer_shell_v1_interface.name))
            globals.LayerShell = static_cast<zwlr_layer_shell_v1*>(bind(&zwlr_layer_shell_v1_interface, 3));
        else if (!std::strcmp(interface, wl_output_interface.name))
            screen->outputs_->Add(name, static_cast<wl_output*>(bind(&wl_output_interface, 2)));
    }

    static void GlobalRemove(void* data, wl_registry*, uint32_t name) {
        auto* screen = static_cast<WlrScreen*>(data);
        screen->overlay_->Forget(name);
        screen->outputs_->Remove(name);
    }

    static constexpr wl_registry_listener Registry{.global = Global, .global_remove = GlobalRemove};
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

WlrScreen::WlrScreen(std::unique_ptr<WaylandConnection> connection)
    : connection_(std::move(connection)), outputs_(std::make_unique<WlrOutputs>(globals_)),
      copy_(std::make_unique<WlrScreenCopy>(*connection_, globals_)),
      overlay_(std::make_unique<WlrPickOverlay>(*connection_, globals_, *outputs_)) {
    connect(connection_.get(), &WaylandConnection::Lost, this, [this] {
        if (overlay_->IsOpen())
            emit Refused(QString::fromStdString(MsgScreenUnreadable));
    });
    connect(overlay_.get(), &WlrPickOverlay::PointerFound, this, [this] { emit Explain({}); });
    connect(overlay_.get(), &WlrPickOverlay::PickAsked, this, [this](QPoint at) {
        if (const std::optional<ColorValue> color = ScreenPixelSource(at.x(), at.y()))
            emit Picked(*color);
        else
            emit Refused(QString::fromStdString(MsgScreenUnreadable));
    });
    connect(overlay_.get(), &WlrPickOverlay::Left, this, &WlrScreen::Ended);
    connect(overlay_.get(), &WlrPickOverlay::ZoomAsked, this, &WlrScreen::ZoomAsked);
}

bool WlrScreen::Bind() {
    registry_ = wl_display_get_registry(connection_->Display());
    wl_registry_add_listener(registry_, &Listeners::Registry, this);
    wl_display* display = connection_->Display();
    if (wl_display_roundtrip(display) < 0)
        return false;
    if (!globals_.Screencopy || !globals_.Shm)
        return false;
    outputs_->DescribeAll();
    // The outputs' descriptions, then the seat's devices.
    if (wl_display_roundtrip(display) < 0 || wl_display_roundtrip(display) < 0)
        return false;
    return true;
}

WlrScreen::~WlrScreen() {
    // The parts' objects go before the globals they were made from, and all of it is sent before the
    // connection closes.
    overlay_.reset();
    copy_.reset();
    outputs_.reset();
    if (globals_.Seat)
        wl_seat_destroy(globals_.Seat);
    if (globals_.LayerShell)
        zwlr_layer_shell_v1_destroy(globals_.LayerShell);
    if (globals_.Screencopy)
        zwlr_screencopy_manager_v1_destroy(globals_.Screencopy);
    if (globals_.OutputManager)
        zxdg_output_manager_v1_destroy(globals_.OutputManager);
    if (globals_.Viewporter)
        wp_viewporter_destroy(globals_.Viewporter);
    if (globals_.Shm)
        wl_shm_destroy(globals_.Shm);
    if (globals_.Compositor)
        wl_compositor_destroy(globals_.Compositor);
    if (registry_)
        wl_registry_destroy(registry_);
    connection_->Flush();
}

void WlrScreen::Start() {
    if (overlay_->IsOpen())
        return;
    if (!overlay_->CanOpen()) {
        emit Refused(QString::fromStdString(MsgNoScreenAccess));
        return;
    }
    overlay_->Open();
    connection_->Hold(true); // the pointer's moves are read at each look at it
    // The desktop tells where the pointer is only once it moves over the overlay.
    emit Explain(QString::fromStdString(MsgMoveToPick));
}

void WlrScreen::Stop() {
    overlay_->Close();
    copy_->Unwatch();
    connection_->Hold(false);
}

void WlrScreen::ReadPointerMoves() const {
    if (overlay_->IsOpen())
        connection_->ReadWaiting();
}

// The sample asks for the place without asking first whether it is known: both read the moves.
QPoint WlrScreen::PointerPosition() const {
    ReadPointerMoves();
    return overlay_->PointerPosition();
}

bool WlrScreen::PointerKnown() const {
    ReadPointerMoves();
    return overlay_->PointerKnown();
}

QList<Monitor> WlrScreen::Monitors() const { return outputs_->Monitors(); }

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

bool WlrScreen::ScreenChanged(const QRect& region) { return copy_->Changed(region, *outputs_); }

QImage WlrScreen::GrabRegion(const QRect& region) {
    if (!overlay_->PointerKnown())
        return {}; // the pointer's place is not known yet, so neither is what lies around it
    return copy_->Grab(region, *outputs_);
}
