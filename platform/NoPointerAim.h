#pragma once

#include "platform/PointerAim.h"

// A desktop that keeps the pointer to itself and the user's hand.
class NoPointerAim final : public PointerAim {
public:
    bool MoveBy(int, int) override { return false; }
};
