#pragma once

#include "platform/fake/FakeScreenReader.h"
#include "platform/PointerAim.h"

// Moves the fake screen's pointer, or refuses as a desktop without pointer moves does.
class FakePointerAim final : public PointerAim {
public:
    explicit FakePointerAim(FakeScreenReader& screen) : screen_(screen) {}
    bool Refuses = false;

    bool MoveBy(int dx, int dy) override {
        if (Refuses)
            return false;
        screen_.Pointer += QPoint(dx, dy);
        return true;
    }

private:
    FakeScreenReader& screen_;
};
