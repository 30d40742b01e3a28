#pragma once

#include "platform/PointerAim.h"

// Moves the cursor in physical pixels: the program is aware of each monitor's scale.
class WinPointerAim final : public PointerAim {
public:
    bool MoveBy(int dx, int dy) override;
};
