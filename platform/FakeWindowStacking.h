#pragma once

#include "platform/WindowStacking.h"

#include <map>

// Remembers the band each window was last put in.
class FakeWindowStacking final : public WindowStacking {
public:
    std::map<const QWidget*, bool> Topmost;
    int Calls = 0;

    void SetTopmost(QWidget* window, bool topmost) override {
        Topmost[window] = topmost;
        ++Calls;
    }
};
