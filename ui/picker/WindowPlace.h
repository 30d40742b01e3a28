#pragma once

#include <QRect>

class DesktopWindows;
class QWidget;

// Where a top-level window lies and whether it shows, for a view that tells the window apart on the
// screen without being handed the window itself.
class WindowPlace {
public:
    WindowPlace(const DesktopWindows& windows, const QWidget& window);

    bool Minimised() const;
    // The window's outer rectangle in the screen's device pixels, as DesktopWindows::Outer gives it.
    QRect Outer() const;

private:
    const DesktopWindows& windows_;
    const QWidget& window_;
};
