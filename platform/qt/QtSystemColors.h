#pragma once

#include "core/color/SystemColors.h"

// The system colour indexes answered from the application palette of the running desktop.
class QtSystemColors final : public SystemColors {
public:
    ColorValue SystemColor(int index) const override;
};
