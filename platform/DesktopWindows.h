#pragma once

class QWidget;

// What the desktop does with the program's top-level windows.
class DesktopWindows {
public:
    virtual ~DesktopWindows() = default;
    // Moves the window between the always-on-top band and the normal band.
    virtual void SetTopmost(QWidget* window, bool topmost) = 0;
    virtual bool IsMinimised(const QWidget* window) const = 0;
    // Shows the window in front of the others, restored if it was minimised.
    virtual void BringToFront(QWidget* window) = 0;
};
