#pragma once

#include "platform/DesktopWindows.h"

#include <QWidget>

#include <map>

// Remembers the band each window was last put in; minimised when a test says so.
class FakeDesktopWindows final : public DesktopWindows {
public:
    std::map<const QWidget*, bool> Topmost;
    int Calls = 0;
    bool Minimised = false;
    bool Placed = true;

    void SetTopmost(QWidget* window, bool topmost) override {
        Topmost[window] = topmost;
        ++Calls;
    }
    bool IsMinimised(const QWidget*) const override { return Minimised; }
    bool KnowsPlaces() const override { return Placed; }
    void BringToFront(QWidget*) override {
        Minimised = false;
        ++BroughtToFront;
    }
    void Place(QWidget* window, const QRect& outer) override { window->setGeometry(outer); }
    QRect Outer(const QWidget* window) const override { return window->frameGeometry(); }
    int BroughtToFront = 0;
};
