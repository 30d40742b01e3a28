#pragma once

#include "platform/PointerAim.h"

// Warps the pointer on the program's own X connection, in the server's pixels, which are the
// device's whatever Qt's scaling.
class XcbPointerAim final : public PointerAim {
public:
    bool MoveBy(int dx, int dy) override;
};
