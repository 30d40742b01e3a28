#pragma once

#include "core/colour/SystemColours.h"

// The system colour indexes are Windows' own: each is answered by GetSysColor.
class WinSystemColours final : public SystemColours {
public:
    ColorValue SystemColor(int index) const override;
};
