#pragma once

#include "platform/DesktopWindows.h"

class QtDesktopWindows : public DesktopWindows {
public:
    void SetTopmost(QWidget* window, bool topmost) override;
    bool IsMinimised(const QWidget* window) const override;
    bool KnowsPlaces() const override;
    void BringToFront(QWidget* window) override;
    void Place(QWidget* window, const QRect& outer) override;
    QRect Outer(const QWidget* window) const override;
};
