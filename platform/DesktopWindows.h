#pragma once

class QRect;
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
    // Puts a window not yet shown with its outer corner at the rectangle's corner. On Windows the size is
    // the whole window's, frame included, as the system measures windows; an X11 window manager puts
    // its frame round the window only once it is up, so there the size is the inside's.
    virtual void Place(QWidget* window, const QRect& outer) = 0;
    // The window's outer rectangle in the screen's device pixels, as Place takes it.
    virtual QRect Outer(const QWidget* window) const = 0;
};
