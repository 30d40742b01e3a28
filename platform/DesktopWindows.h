#pragma once

class QWidget;

// What the desktop does with the program's top-level windows.
class DesktopWindows {
public:
    virtual ~DesktopWindows() = default;
    // Moves the window between the always-on-top band and the normal band.
    virtual void SetTopmost(QWidget* window, bool topmost) = 0;
    virtual bool IsMinimised(const QWidget* window) const = 0;
    // Whether the desktop tells the program where its windows are: a Wayland desktop does not, and a
    // window's place there reads as the top-left corner whatever it is.
    virtual bool KnowsPlaces() const { return true; }
    // Shows the window in front of the others, restored if it was minimised.
    virtual void BringToFront(QWidget* window) = 0;
};
