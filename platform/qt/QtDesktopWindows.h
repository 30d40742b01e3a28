#pragma once

#include "platform/DesktopWindows.h"

class QtDesktopWindows final : public DesktopWindows {
public:
    void SetTopmost(QWidget* window, bool topmost) override;
    bool IsMinimised(const QWidget* window) const override;
    bool KnowsPlaces() const override;
    void BringToFront(QWidget* window) override;
};
