#pragma once

#include "core/color/SystemColors.h"

// The system colour indexes are Windows' own: each is answered by GetSysColor.
class WinSystemColors final : public SystemColors {
public:
    ColorValue SystemColor(int index) const override;
};
