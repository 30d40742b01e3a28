#pragma once

#include "platform/ScreenAccess.h"
#include "platform/ScreenReader.h"
#include "platform/wayland/WlrGlobals.h"

#include <QCoreApplication>

#include <memory>

class WaylandConnection;
class WlrOutputs;
class WlrPickOverlay;
class WlrScreenCopy;
struct wl_registry;

// The screen of a wlroots desktop, read through its screen-copy protocol on the program's own
// connection, with no question to the user. Such a desktop tells no client where the pointer is
// outside its own windows, so picking is a pick mode: a clear overlay over every monitor follows the
// pointer, a click picks the colour under it, another button or Esc leaves, and the wheel or + and -
// zoom the magnifier. Coordinates are device pixels, each monitor laid out as InDevicePixels places it.
// The monitors, the copy and the pick mode are parts of their own; this binds the desktop's globals
// for them.
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
    bool ScreenChanged(const QRect& region) override;

private:
    struct Listeners;
    explicit WlrScreen(std::unique_ptr<WaylandConnection> connection);
    bool Bind();
    // While the pick mode holds the pointer's moves back, those that came since the last look are read,
    // so that an answer about the pointer is not older than what the desktop already draws.
    void ReadPointerMoves() const;

    std::unique_ptr<WaylandConnection> connection_;
    wl_registry* registry_ = nullptr;
    WlrGlobals globals_;
    std::unique_ptr<WlrOutputs> outputs_;
    std::unique_ptr<WlrScreenCopy> copy_;
    std::unique_ptr<WlrPickOverlay> overlay_;
};
