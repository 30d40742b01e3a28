#pragma once

#include "core/colour/SystemColours.h"

// The system colour indexes answered from the application palette of the running desktop.
class QtSystemColours final : public SystemColours {
public:
    ColorValue SystemColor(int index) const override;
};
