#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>

// The desktop a stand-in portal shares: monitors as PipeWire video sources on the daemon that
// PIPEWIRE_RUNTIME_DIR names, each frame a known picture with the pointer somewhere new. The pixel at
// desktop point (x, y) of frame n has red x % 256, green y % 256 and blue Blue(n) on every monitor.
// It also links each consumer that asks for one of its sources, as a session manager would.
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

    static int Blue(int frame) { return (frame * 16) & 255; }
    static QPoint PointerAt(int frame) { return {(frame * 7) % 320, 50 + (frame * 3) % 50}; }

private:
    struct Daemon;
    std::unique_ptr<Daemon> daemon_;
};
