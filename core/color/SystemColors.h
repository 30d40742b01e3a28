#pragma once

#include "core/color/ColorValue.h"

// The desktop's colours for the system colour indexes 0 to 30 (index 25 has none).
class SystemColors {
public:
    virtual ~SystemColors() = default;
    // The colour for the index, or 0 for an index without a colour.
    virtual ColorValue SystemColor(int index) const = 0;
};
