#pragma once

class QWidget;

// Moves a top-level window between the always-on-top band and the normal band of the desktop.
class WindowStacking {
public:
    virtual ~WindowStacking() = default;
    virtual void SetTopmost(QWidget* window, bool topmost) = 0;
};
