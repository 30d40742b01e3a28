#pragma once

#include "platform/qt/QtDesktopWindows.h"

// Windows' own measure of a window: its whole rectangle, the sizing borders included, which Qt's
// frame leaves out where the system draws them invisibly.
class WinDesktopWindows final : public QtDesktopWindows {
public:
    void Place(QWidget* window, const QRect& outer) override;
    QRect Outer(const QWidget* window) const override;
};
