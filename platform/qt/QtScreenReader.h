#pragma once

#include "platform/ScreenReader.h"
#include "platform/x11/XcbScreen.h"

#include <QObject>

class QScreen;

// The screen through X11 where the program runs there (one request a read, where Qt's screen grab
// makes several, and in device pixels whatever Qt's scaling), else through Qt's screens.
class QtScreenReader final : public ScreenReader {
public:
    QtScreenReader();

    QPoint PointerPosition() const override;
    std::optional<ColorValue> ScreenPixelSource(int x, int y) override;
    QImage GrabRegion(const QRect& region) override;
    QList<Monitor> Monitors() const override;
    bool ScreenChanged(const QRect& region) override;
    // Whether the reads go straight to the X server.
    bool ReadsX11() const { return x11_.Available(); }

private:
    void Watch(QScreen* screen);
    void Refresh();

    XcbScreen x11_;
    // Qt's screens as monitors, worked out again only when Qt says a screen came, went, moved or took
    // another scale: the magnifier asks for them forty times a second.
    QList<Monitor> monitors_;
    QObject watcher_; // the connections end with the reader
};
