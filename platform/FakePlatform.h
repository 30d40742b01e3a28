#pragma once

#include "platform/FakeScreenReader.h"
#include "platform/FakeSystemColours.h"
#include "platform/FakeWindowStacking.h"
#include "platform/Platform.h"

// A desktop that tests set up and look into.
class FakePlatform final : public Platform {
public:
    FakeScreenReader ScreenFake;
    FakeSystemColours ColoursFake;
    FakeWindowStacking StackingFake;

    ScreenReader& Screen() override { return ScreenFake; }
    SystemColours& Colours() override { return ColoursFake; }
    WindowStacking& Stacking() override { return StackingFake; }
};
