#pragma once

#include "platform/Platform.h"
#include "platform/QtScreenReader.h"
#include "platform/QtSystemColours.h"
#include "platform/QtWindowStacking.h"

// The desktop as Qt reaches it.
class QtPlatform final : public Platform {
public:
    ScreenReader& Screen() override { return screen_; }
    SystemColours& Colours() override { return colours_; }
    WindowStacking& Stacking() override { return stacking_; }

private:
    QtScreenReader screen_;
    QtSystemColours colours_;
    QtWindowStacking stacking_;
};
