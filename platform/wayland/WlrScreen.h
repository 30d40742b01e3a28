#pragma once

#include "platform/ScreenAccess.h"
#include "platform/ScreenReader.h"
#include "platform/wayland/KeyboardKeys.h"
#include "platform/wayland/ShmBuffer.h"
#include "platform/wayland/WaylandConnection.h"

#include <QCoreApplication>
#include <QPointF>

#include <list>
#include <memory>

struct wl_compositor;
struct wl_keyboard;
struct wl_output;
struct wl_pointer;
struct wl_registry;
struct wl_seat;
struct wl_shm;
struct wl_surface;
struct wp_viewporter;
struct zwlr_layer_shell_v1;
struct zwlr_screencopy_manager_v1;
struct zxdg_output_manager_v1;

// The screen of a wlroots desktop, read through its screen-copy protocol on the program's own
// connection, with no question to the user. Such a desktop tells no client where the pointer is
// outside its own windows, so picking is a pick mode: a clear overlay over every monitor follows the
// pointer, a click picks the colour under it, another button or Esc leaves, and the wheel or + and -
// zoom the magnifier. Coordinates are device pixels, each monitor laid out as InDevicePixels places it.
class WlrScreen final : public ScreenAccess, public ScreenReader {
    Q_OBJECT
public:
    // The session's compositor, when it offers the screen copy; nothing otherwise.
    static std::unique_ptr<WlrScreen> Open();
    ~WlrScreen() override;

    PickingWay Kind() const override { return PickingWay::PickMode; }
    QString Name() const override {
        return QCoreApplication::translate("WlrScreen", "wlroots 桌面的屏幕复制");
    }
    void Start() override;
    void Stop() override;

    QPoint PointerPosition() const override;
    bool PointerKnown() const override;
    std::optional<ColorValue> ScreenPixelSource(int x, int y) override;
    QImage GrabRegion(const QRect& region) override;
    QList<Monitor> Monitors() const override;
    bool ScreenChanged(const QRect&) override { return true; }

    // Protocol objects and their state, for the listeners.
    struct Output;
    struct Overlay;
    struct Capture;

private:
    explicit WlrScreen(std::unique_ptr<WaylandConnection> connection);
    bool Bind();
    // The part of the region that one monitor shows, read into the picture at its place.
    bool CaptureInto(QImage& picture, const QRect& region, Output& output, const Monitor& monitor);
    // The outputs as the desktop lays them out, in their order.
    QList<LaidOutMonitor> LaidOut() const;
    void ShowOverlay(Output& output);
    void OnButton(bool pressed, uint32_t button);
    // Picks what lies under the pointer once the events at hand are handled.
    void PickAtPointer();
    void OnKey(bool pressed, xkb_keysym_t key);
    void OnWheel(int notches);

    friend struct Listeners;

    std::unique_ptr<WaylandConnection> connection_;
    wl_registry* registry_ = nullptr;
    wl_compositor* compositor_ = nullptr;
    wl_shm* shm_ = nullptr;
    wl_seat* seat_ = nullptr;
    wl_pointer* pointer_ = nullptr;
    wl_keyboard* keyboard_ = nullptr;
    wp_viewporter* viewporter_ = nullptr;
    zxdg_output_manager_v1* outputManager_ = nullptr;
    zwlr_screencopy_manager_v1* screencopy_ = nullptr;
    zwlr_layer_shell_v1* layerShell_ = nullptr;
    std::list<Output> outputs_;
    std::list<Overlay> overlays_;
    ShmBuffer capture_, clear_, cursor_;
    wl_surface* cursorSurface_ = nullptr;
    QPointF pointer_at_;
    // The arrow keys' move from the device pixel under the pointer, until the pointer moves itself.
    QPoint aim_;
    KeyboardKeys keys_;
    Output* entered_ = nullptr; // the monitor whose overlay has the pointer
    bool picking_ = false;
    bool pointerKnown_ = false;
};
