#pragma once

#include "platform/wayland/KeyboardKeys.h"
#include "platform/wayland/ShmBuffer.h"
#include "platform/wayland/WlrOutputs.h"

#include <QObject>
#include <QPoint>
#include <QPointF>

#include <list>

class WaylandConnection;
struct WlrGlobals;
struct wl_keyboard;
struct wl_pointer;
struct wl_seat;
struct wl_surface;

// The pick mode of a wlroots desktop, which tells no client where the pointer is outside its own
// windows: a clear overlay over every monitor follows the pointer, under a cross-shaped pointer of its
// own. A click asks for the pixel under it, another button or Esc leaves, the arrow keys move the pick
// point by device pixels and Enter picks there, and the wheel or + and - ask the magnifier to zoom.
class WlrPickOverlay final : public QObject {
    Q_OBJECT
public:
    WlrPickOverlay(WaylandConnection& connection, const WlrGlobals& globals, const WlrOutputs& outputs);
    ~WlrPickOverlay() override;

    // Follows the seat's pointer and keyboard once the seat offers them.
    void UseSeat(wl_seat* seat);
    // Whether the desktop offers all the overlay is made of.
    bool CanOpen() const;
    bool IsOpen() const { return picking_; }
    void Open();
    void Close();
    // Drops the overlay of an output the desktop removed.
    void Forget(uint32_t outputName);

    // The device pixel under the pointer's exact place, moved as the arrow keys ask.
    QPoint PointerPosition() const;
    bool PointerKnown() const { return !picking_ || pointerKnown_; }

signals:
    // The pointer came over the overlay for the first time since it opened: its place is known now.
    void PointerFound();
    // A click or Enter asked for the colour at this device pixel; told once the events at hand are
    // handled.
    void PickAsked(QPoint at);
    // Another button or Esc left the pick mode, or the desktop closed an overlay.
    void Left();
    void ZoomAsked(bool in);

private:
    // An overlay's protocol objects, for the listeners.
    struct Overlay;
    struct Listeners;
    void ShowOverlay(const WlrOutputs::Output& output);
    void OnButton(bool pressed, uint32_t button);
    // Picks what lies under the pointer once the events at hand are handled.
    void PickAtPointer();
    void OnKey(bool pressed, xkb_keysym_t key);
    void Aim(QPoint move);
    void OnWheel(int notches);

    WaylandConnection& connection_;
    const WlrGlobals& globals_;
    const WlrOutputs& outputs_;
    wl_pointer* pointer_ = nullptr;
    wl_keyboard* keyboard_ = nullptr;
    std::list<Overlay> overlays_;
    ShmBuffer clear_, cursor_;
    wl_surface* cursorSurface_ = nullptr;
    // The pointer's last entry into an overlay, which a change of its cursor names.
    uint32_t enterSerial_ = 0;
    // Hidden while the arrow keys aim, until the pointer moves.
    bool crossHidden_ = false;
    QPointF pointer_at_;
    // The arrow keys' move from the device pixel under the pointer, until the pointer moves itself.
    QPoint aim_;
    KeyboardKeys keys_;
    const WlrOutputs::Output* entered_ = nullptr; // the monitor whose overlay has the pointer
    bool picking_ = false;
    bool pointerKnown_ = false;
};
