#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>

// The desktop a stand-in portal shares: monitors as PipeWire video sources on the daemon that
// PIPEWIRE_RUNTIME_DIR names, each frame a known picture, its rows padded, with the pointer somewhere
// new. The second monitor has twice the first one's scale, so in device pixels each monitor lies at
// twice its corner on the desktop: the first at (0, 0), the second at (320, 80), 160 by 120 each. The
// pixel at device point (x, y) of frame n has red x % 256, green y % 256 and blue Blue(n).
// It also links each consumer that asks for one of its sources, by the rules of the session manager
// desktops run: "target.object" names a serial (or a node's name), "node.target" an id; and the ids of
// its sources are not their serials.
class StandInScreen {
public:
    struct Shared {
        quint32 Node;
        QRect Place;  // where the monitor lies on the desktop, in the desktop's own coordinates
        QSize Pixels; // the size of its frames
    };

    // format: one of PipeWire's names BGRx, BGRA, RGBx, RGBA.
    explicit StandInScreen(const QString& format);
    ~StandInScreen();

    // The monitors, once the daemon has taken them all; empty until then.
    QList<Shared> Monitors() const;
    // Draws the next frame on every monitor.
    void Draw();
    // The monitors go away, as when the desktop ends a share.
    void End();
    // Frames come without the pointer's position from now on.
    void HidePointer();

    static int Blue(int frame) { return (frame * 16) & 255; }
    // In device pixels; it crosses both monitors and the gap between them.
    static QPoint PointerAt(int frame) { return {(frame * 7) % 480, 80 + (frame * 3) % 40}; }

private:
    struct Daemon;
    std::unique_ptr<Daemon> daemon_;
};
